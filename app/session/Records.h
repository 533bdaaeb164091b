// SPDX-License-Identifier: MIT
// The player's records in the game: each ship set's best chase, kept with its demo in the
// player's data folder ($XDG_DATA_HOME/starchase), and the running chase always recorded to
// last.demo beside them.
#pragma once

#include "HeldKeys.h"

#include <cstdint>
#include <string>

struct RandomSeed;

// Once, after the catalogue is loaded and the first chase set up, in the data folder: knows the
// ship set by its hash and reads the records file. A `live` game (not a played demo) also begins
// last.demo with the first chase's stars, `firstStars`. A records file that cannot be used, or a
// folder that cannot be written, is one line on standard error; the game plays on without
// records then.
void OpenRecords(bool live, const RandomSeed& firstStars);

// A new chase with stars from `seed`: in a live game last.demo begins afresh.
void StartChaseDemo(const RandomSeed& seed);

// A live frame as the loop measured it, into last.demo.
void RecordChaseFrame(double elapsed, HeldKeys keys);

// The ship set's best chase in milliseconds of game time; false when there is none, or no
// records file could be read.
bool BestChase(uint64_t& milliseconds);

// The running chase ended after `milliseconds` of game time (its ChaseClock). In a live game a
// chase that beats the set's best is kept as the record with its demo. True when it is a new best
// (a played demo never keeps anything, and says false).
bool ChaseEnded(uint64_t milliseconds);

// The ship set's best demo, for the ghost; empty when the set has no record.
std::string BestDemoPath();

// The ship set's best chase for the options: its time as the records keep it ("49.000") and the
// data folder of the ships it was flown with. False when the set has no record.
bool BestChaseText(std::string& time, std::string& ships);

// Proves the set's best chase as `shipyard records` does, by replaying its demo to its recorded
// time; the game's world and ships are put aside meanwhile and back as they were. Empty when it
// is proved, else why not.
std::string ProveBestChase();

// After the loop: closes last.demo with its end mark.
void CloseRecords();
