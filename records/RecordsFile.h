// SPDX-License-Identifier: MIT
// The records file's text rules: the best chase of each ship set, in lines a player can read.
// Pure: no files.
//
// The first line names the file and its version ("starchase records 1"). Every other line is
// empty, a comment (its first character is #, kept as it is when the file is written again) or a
// ship set's record: its columns (RecordsColumns.h) in their order, separated by blanks. Lines end
// with LF or CR LF. A file of an older version holds the columns that version had, and the newer
// ones read as their rows say; it is written back in this game's version, every column in.
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

// Replaces the record of its set, or adds it at the end.
void SetRecord(Records& records, const ShipSetRecord& record);

// "best-5f1c0e2a93d4b517-67400.demo": the file name the set's best demo of a chase of
// `milliseconds` is kept under; a better chase's demo never takes the name of the one it beats.
std::string BestDemoName(uint64_t set, uint64_t milliseconds);
