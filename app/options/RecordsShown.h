// SPDX-License-Identifier: MIT
// The options' records view as plain data: one row for each ship set with a record kept, the ships
// being played first, each with its ships in words, its time, its demo's date and how its proof
// stands. Pure: the loop reads the records, finds the ships and dates the demos.
#pragma once

#include "RecordProof.h"
#include "RecordsFile.h"

#include <cstdint>
#include <string>
#include <vector>

// How a record's proof stands: not proved until the player asks.
enum class RecordCheck : uint8_t { NotProved, Proving, Verified, NotVerified };

struct RecordShown {
    bool known = false;   // false only for the ships being played, with no record kept
    bool played = false;  // the ships being played
    uint64_t set = 0;     // the ship set's hash
    std::string ships;    // "the installed ships", "the ships in /home/pat/mods"
    std::string name;     // the same, short: "the installed ships", "/home/pat/mods", "set 5f1c..."
    std::string time;     // as the records keep it: "49.000"
    std::string demoFile; // its best demo in the records' folder; empty for none
    std::string date;     // its demo's date, "2025-03-01"; empty until dated, or with no demo
    RecordCheck check = RecordCheck::NotProved;
    std::string why; // not known: why not, as Enter on it says; not verified: why not
};

// The ships being played (`played`, the first of `places`, with its set hashed when the records
// could be read) first, known when `records` has its set; then every other record in the file's
// order. A set is worded as the first of `places` holding it words it, else by its hash ("ship set
// 5f1c0e2a93d4b517, its ships not here"). `none`: why the ships being played have no record.
std::vector<RecordShown> ShowRecords(const Records& records, const std::vector<ShipSetPlace>& places,
                                     const std::string& none);

// The row of `set`, or null.
RecordShown* FindShown(std::vector<RecordShown>& shown, uint64_t set);

// "2025-03-01": a file's modification time (seconds since 1970) as a date in the local time zone.
std::string DateText(int64_t seconds);
