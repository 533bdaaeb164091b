// SPDX-License-Identifier: MIT
// The records on disk: the records file in the player's data folder, and each ship set's best
// demo beside it. Every write is whole-file and atomic; a file that cannot be read is left as it
// is.
#pragma once

#include "RecordsFile.h"

#include <string>
#include <vector>

constexpr const char* RecordsFileName = "records";

// Reads the records file at `path`. A path where nothing is (nor its folder) reads as no records.
// False, with the reason, when something there cannot be read or is not a records file of this game
// or an older one; `records` is then left as it was.
bool LoadRecords(const std::string& path, Records& records, std::string& reason);

// The file two programs keeping records at once take turns on.
constexpr const char* RecordsLockName = "records.lock";

// What keeping a chase came to.
struct KeptChase {
    bool kept = false;     // the chase is its set's record now
    bool hadRecord = false; // the set had a record when the chase was judged
    uint64_t previous = 0; // that record, in milliseconds
    std::vector<std::string> noDemo; // the file's records with no demo (RecordsWithNoDemo)
};

// Keeps a chase of `milliseconds` for `set`, with `demo` (a whole demo file's bytes) as its
// demo, when it beats the set's record as the records file in `folder` has it now. Holds the
// folder's lock (RecordsLockName) while it reads the file again, judges and writes, so that two
// games and `shipyard records --add` never lose each other's records; and writes in an order in
// which the records file names, at every moment, a demo that proves it: the demo under a name of
// its own (BestDemoName), then the records file switched at once, then the demo it beat removed.
// `records` becomes the file as it stands after. False, with the reason after the path of the
// file it concerns ("…/starchase/best-a3c8353d820987ff-49000.demo: No space left on device"),
// when the lock cannot be had, the file cannot be read, the records would not be read again
// (RecordsText refuses them: nothing is written then) or a write fails: the records file and the
// demo it names are then as they were. The demo a record beaten names is removed only when it is a
// best demo of its set (IsBestDemoName) that no other line names.
bool KeepBestChase(const std::string& folder, uint64_t set, uint64_t milliseconds,
                   const std::vector<unsigned char>& demo, Records& records, KeptChase& outcome,
                   std::string& reason);
