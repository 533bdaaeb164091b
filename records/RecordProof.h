// SPDX-License-Identifier: MIT
// A record proved by its demo: the record's ship set found where the game finds ships, its best
// demo replayed against them to the recorded time, and a demo from anywhere replayed and kept when
// a chase in it beats the set's record.
#pragma once

#include "RecordsFile.h"

#include <string>
#include <vector>

// A data folder whose ships a record may be proved with, and the set found there.
struct ShipSetPlace {
    std::string folder;  // as HashShipSet reads it: empty for the working folder
    std::string words;   // how a player knows it: "the installed ships", "the ships in data"
    bool found = false;  // its catalogue was read and its set hashed
    uint64_t set = 0;    // found: the set's hash
    std::string problem; // not found: why not
};

// Where the ships of records are looked for, each folder once, in this order: `requested` (from
// --data) when given; the folder the game started in the working folder plays (ChooseDataFolder:
// the working folder when it names a catalogue, else `installed` when that holds one); and
// `installed`, when not empty. Each folder's set is hashed.
std::vector<ShipSetPlace> FindShipSets(const std::string& requested, const std::string& installed);

enum class ProofVerdict {
    Verified,    // the set's ships are here and its demo ends at the recorded time with them
    NotVerified, // they are here, and the demo does not prove the record with them
    NotChecked,  // the set's ships are not here: nothing to replay the demo against
};

struct RecordProof {
    ProofVerdict verdict = ProofVerdict::NotChecked;
    std::string ships; // the words of the place the set's ships were found in; empty if nowhere
    std::string why;   // unless verified, why not, in words
};

// Proves `record` with the first of `places` that holds its set: its best demo in
// `recordsFolder` is replayed against that folder's catalogue, whose types and figures must be
// the demo's recorded ones, and its first chase must end in exactly the recorded time; a record
// with no demo is not verified. Reads the demo and the catalogue; the world and the catalogue are
// left empty.
RecordProof ProveRecord(const std::string& recordsFolder, const ShipSetRecord& record,
                        const std::vector<ShipSetPlace>& places);

// Proves `record`, read before from the records file in `recordsFolder`, as ProveRecord does; when
// it is not verified and the file has by then another record for its set (a keep replaced it, and
// removed the demo it named, meanwhile), proves that one instead, a few times at most. `record`
// becomes the record proved. So a keep in progress is never taken for a failed proof.
RecordProof ProveRecordNow(const std::string& recordsFolder, ShipSetRecord& record,
                           const std::vector<ShipSetPlace>& places);

// A demo raced as a ghost, proved as a record is against the ships being played.
struct GhostProof {
    bool proved = false;
    uint64_t milliseconds = 0;      // proved: when its first chase ends
    std::vector<uint64_t> breakUps; // proved: its chase's time at each break-up, in order
    std::string why;                // not proved: why not, in words
};

// Replays the first chase of the demo at `demoPath` against the catalogue at `cataloguePath`,
// whose types and figures must be the demo's recorded ones, to its end: it is proved when the
// chase ends (every chaser down) before its frames run out. Reads the demo and the catalogue; the
// world and the catalogue are left empty.
GhostProof ProveGhostDemo(const std::string& demoPath, const std::string& cataloguePath);

// A proved ghost as one line of text, "MILLISECONDS BREAKUP...", and read back: false, with
// `reason`, for text that is no such line (its break-ups in order, none after the end).
std::string GhostProofText(const GhostProof& proof);
bool ReadGhostProofText(const std::string& text, GhostProof& proof, std::string& reason);

// What adding a demo came to.
struct AddedDemo {
    bool kept = false;
    ShipSetRecord record;  // kept: the new record
    size_t chase = 0;      // kept: which of the demo's chases, from 1
    uint64_t previous = 0; // the set's record before, in milliseconds; 0 for none
    std::string why;       // not kept: why not
    std::vector<std::string> noDemo; // the records file's records with no demo, as it was read
};

// Replays the demo at `demoPath` against the data folder `dataFolder` (its catalogue must hold
// the recorded figures) and finds its fastest chase that ends; when it beats the record of the
// folder's ship set in `recordsFolder`, keeps that chase alone as the set's best demo and record.
// False, with `reason` after the path of the file it concerns (the demo, the catalogue, the
// records file or the best demo written), when the demo cannot be replayed there, the set cannot
// be hashed or the records cannot be read or written (the records file is then left as it is).
bool AddDemo(const std::string& demoPath, const std::string& dataFolder,
             const std::string& recordsFolder, AddedDemo& added, std::string& reason);
