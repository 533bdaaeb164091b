// SPDX-License-Identifier: MIT
// A ship set's record and the records file's columns, one row each: the reader, the writer, a new
// file's heading, shipyard's listing and help, both manual pages and README follow the rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Longer than any chase anyone plays: a million seconds.
constexpr uint64_t MaxChaseMilliseconds = uint64_t(1000000) * 1000;

struct ShipSetRecord {
    uint64_t set = 0;          // the ship set's hash (ShipSetHash)
    uint64_t milliseconds = 0; // the best chase's game time
    std::string demoFile;      // its best demo's file name in the records' folder; empty for none
};

// A record line's columns in file order. A new column is a name here, its field above and its row
// in RecordsColumns (RecordsColumns.cpp), after the others, with the next records version as its
// `since` and the word an older file's line stands for; the compiler names a missing row.
enum RecordsColumn { SetColumn, TimeColumn, DemoColumn, RecordsColumnCount };

struct RecordsColumnRow {
    RecordsColumn column;
    const char* name;    // as a refused line names it: "the time 6.7.4 is not ..."
    const char* heading; // its words in the comment a new file begins with
    const char* help;    // what it holds, for the help, the manual pages and README
    const char* unit;    // after its word in shipyard's listing ("67.400 s"); null for none
    // The records version that brought the column in, and the word a line of an older file, which
    // has none for it, is read as; columns of the first version have none.
    unsigned since;
    const char* absent;
    // Reads the column's word into `record`; false, with what is wrong with the word ("is not
    // seconds with at most three decimals"), when the word breaks the column's rules.
    bool (*read)(const std::string& word, ShipSetRecord& record, std::string& wrong);
    // The column's word for `record`.
    std::string (*write)(const ShipSetRecord& record);
};

extern const RecordsColumnRow RecordsColumns[RecordsColumnCount];

// The version a records file is written with: the newest column's `since`.
extern const unsigned RecordsFileVersion;

// How many words a record's line of a file of `version` holds: the columns it knew (every column
// for this game's version; none for a version it does not know).
int RecordsColumnsOf(unsigned version);

// "# ship set, best chase in seconds, its demo": the comment line a new records file begins with.
std::string RecordsHeading();

// "the set's hash, the chase's game time in seconds and the file name of its demo": what a
// record's line holds, for help texts and README.
std::string RecordsColumnsHelp();

// The same as lines of a manual page, with no line end after the last.
std::string RecordsColumnsManual();

// "ship set, time and demo": the first `count` columns as a refused line names them.
std::string RecordsColumnNames(int count);

// "5f1c0e2a93d4b517 67.400 s best-5f1c0e2a93d4b517-67400.demo": the record as shipyard lists
// it, each column's word with its unit.
std::string RecordListing(const ShipSetRecord& record);

// "5f1c0e2a93d4b517": the set's hash as records show it.
std::string ShipSetName(uint64_t set);
