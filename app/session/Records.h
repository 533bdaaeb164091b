// SPDX-License-Identifier: MIT
// The player's records in the game: each ship set's best chase, kept with its demo in the
// player's data folder ($XDG_DATA_HOME/starchase), and the running chase always recorded beside
// them in a file of this game's own, last.demo once the game ends.
#pragma once

#include "ChaseText.h"
#include "HeldKeys.h"

#include <cstdint>
#include <string>

struct RandomSeed;

// Once, after the catalogue is loaded and the first chase set up, in the data folder: knows the
// ship set by its hash and reads the records file. A `live` game (not a played demo) also takes
// in the chases games that were killed left behind and begins its own running chase's demo with
// the first chase's stars, `firstStars`. A records file that cannot be used, or a
// folder that cannot be written, is one line on standard error; the game plays on without
// records then.
void OpenRecords(bool live, const RandomSeed& firstStars);

// A new chase with stars from `seed`: in a live game the running chase's demo begins afresh.
void StartChaseDemo(const RandomSeed& seed);

// A live frame as the loop measured it, into the running chase's demo.
void RecordChaseFrame(double elapsed, HeldKeys keys);

// The running chase ended after `milliseconds` of game time (its ChaseClock). In a live game it is
// judged against the set's record as the records file has it now (another game or `shipyard
// records --add` may have kept a better one meanwhile) and kept as the record with its demo when
// it beats it. Gives that record and whether the chase beat it (a played demo never keeps
// anything, and says what the records said at start).
BestTime ChaseEnded(uint64_t milliseconds);

// What the ghost, the options and a proof say where the ship set has no record.
inline const char* const NoBestChase = "no best chase kept for these ships yet";

// The ship set's best demo as the records file names it now, for the ghost; empty when the set
// has no record, or a record with no demo.
std::string BestDemoPath();

// Begins proving the record of ship set `set` as the records file has it now, as `shipyard
// records` does, by replaying its demo to its recorded time against the ships being played or
// the installed ones (ProveRecordNow: a record replaced meanwhile is read again and proved), in a
// child process of its own: the game's world and frames go on meanwhile. False, with why not in
// `why`, when the set has no record, another set's proof is under way or no child can be made; a
// proof of the same set already under way goes on.
bool StartRecordProof(uint64_t set, std::string& why);

// Once a frame: true once the proof begun has ended, with the set proved in `set` and `why` empty
// when it proved the record, else why not. Never waits.
bool TakeRecordProof(uint64_t& set, std::string& why);

// Ends a proof still under way, before the game ends.
void StopRecordProof();

// After the loop: closes the running chase's demo with its end mark and makes it last.demo.
void CloseRecords();
