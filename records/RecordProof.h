// SPDX-License-Identifier: MIT
// A record proved by its demo: a best demo replayed to its recorded time, and a demo from
// anywhere replayed and kept when a chase in it beats the set's record.
#pragma once

#include "RecordsFile.h"

#include <string>

// Replays the best demo of `record` in `folder` with its recorded ship types. Empty when its first
// chase ends in exactly the recorded time, else why not ("the demo's chase ends in 68.100 s").
std::string DisproveRecord(const std::string& folder, const ShipSetRecord& record);

// What adding a demo came to.
struct AddedDemo {
    bool kept = false;
    ShipSetRecord record;  // kept: the new record
    size_t chase = 0;      // kept: which of the demo's chases, from 1
    uint64_t previous = 0; // the set's record before, in milliseconds; 0 for none
    std::string why;       // not kept: why not
};

// Replays the demo at `demoPath` against the data folder `dataFolder` (its catalogue must hold
// the recorded figures) and finds its fastest chase that ends; when it beats the record of the
// folder's ship set in `recordsFolder`, keeps that chase alone as the set's best demo and record.
// False, with `reason`, when the demo cannot be replayed there, the set cannot be hashed or the
// records cannot be read or written (the records file is then left as it is).
bool AddDemo(const std::string& demoPath, const std::string& dataFolder,
             const std::string& recordsFolder, AddedDemo& added, std::string& reason);
