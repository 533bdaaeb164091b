// SPDX-License-Identifier: MIT
// The records on disk: the records file in the player's data folder, and each ship set's best
// demo beside it. Every write is whole-file and atomic; a file that cannot be read is left as it
// is.
#pragma once

#include "RecordsFile.h"

#include <string>
#include <vector>

constexpr const char* RecordsFileName = "records";
constexpr const char* LastDemoName = "last.demo";

// Reads the records file at `path`. A path where nothing is (nor its folder) reads as no records.
// False, with the reason, when something there cannot be read or is not a records file of this game
// or an older one; `records` is then left as it was.
bool LoadRecords(const std::string& path, Records& records, std::string& reason);

// Keeps `demo` (a whole demo file's bytes) as the best demo of `record.set` under its name in
// `folder`, making the folder when it is missing, then the records with the set's new record in
// the records file there. False, with the reason, when the records would not be read again
// (RecordsText refuses them: nothing is written then) or either write fails: the records file is
// then as it was (a demo already written stays, named by no record).
bool KeepRecord(const std::string& folder, Records& records, const ShipSetRecord& record,
                const std::vector<unsigned char>& demo, std::string& reason);
