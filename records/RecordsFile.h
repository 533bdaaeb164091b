// SPDX-License-Identifier: MIT
// The records file's text rules: the best chase of each ship set, in lines a player can read.
// Pure: no files.
//
// The first line names the file and its version ("starchase records 1"). Every other line is
// empty, a comment (its first character is #, kept as it is when the file is written again) or a
// ship set's record: its columns (RecordsColumns.h) in their order, separated by blanks. Lines end
// with LF or CR LF. A file of an older version holds the columns that version had, and the newer
// ones read as their rows say; it is written back in this game's version, every column in. A
// record's demo is one the game makes for its set (IsBestDemoName); a line whose demo column names
// anything else (the records file itself, a path) is read as a record with no demo and written
// back with that word, so that no keep ever removes what such a word names.
#pragma once

#include "RecordsColumns.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// No file the game writes comes near these: a file beyond them is not ours.
constexpr size_t MaxRecordsFileBytes = 1 << 20;
constexpr size_t MaxRecordsLine = 1024;

// A line after the version line: a record, or text kept as it was read (empty or a comment).
struct RecordsLine {
    bool isRecord = false;
    ShipSetRecord record;
    std::string text;
};

struct Records {
    std::vector<RecordsLine> lines; // after the version line, in file order
};

// Reads the whole text of a records file. False, with `reason` ("line 3: the time 6.7.4 is not
// seconds with at most three decimals", "written by a newer game: records version 2"), for
// anything but a file of this version whose every line follows the rules, one record per set;
// `records` changes only when the text is read.
bool ParseRecords(const std::string& text, Records& records, std::string& reason);

// The file's text: the version line, then every line. False, with the reason ("the records would
// take 1248295 bytes, more than the 1048576 a records file may hold"), when ParseRecords would
// refuse that text: a file written is always read again. `text` changes only when it is written.
bool RecordsText(const Records& records, std::string& text, std::string& reason);

// The record of `set`, or null.
const ShipSetRecord* FindRecord(const Records& records, uint64_t set);

// True when a chase of `milliseconds` for `set` beats its record, or the set has none.
bool BeatsRecord(const Records& records, uint64_t set, uint64_t milliseconds);

// One line for each record read with no demo, saying why ("line 3: the demo records is not a best
// demo of ship set a3c8353d820987ff (best-a3c8353d820987ff-MILLISECONDS.demo); read as a record
// with no demo").
std::vector<std::string> RecordsWithNoDemo(const Records& records);

// The word in the demo column of a record's line as it was read or set, whether or not it names a
// best demo.
std::string DemoWord(const RecordsLine& line);

// Replaces the record of its set, or adds it at the end.
void SetRecord(Records& records, const ShipSetRecord& record);

// "best-5f1c0e2a93d4b517-67400.demo": the file name the set's best demo of a chase of
// `milliseconds` is kept under; a better chase's demo never takes the name of the one it beats.
std::string BestDemoName(uint64_t set, uint64_t milliseconds);

// Whether `name` is a best demo the game makes for `set`: BestDemoName(set, milliseconds) for a
// chase's time (1 to MaxChaseMilliseconds, digits as written), or "best-SET.demo" as older games
// named it. The set is the line's own: a line never names another set's demo.
bool IsBestDemoName(uint64_t set, const std::string& name);
