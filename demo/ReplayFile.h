// SPDX-License-Identifier: MIT
// A demo file replayed with no window against a data folder's catalogue, and one of its chases
// cut out as a demo of its own.
#pragma once

#include "Replay.h"

#include <string>
#include <vector>

// Opens the demo at `path`, reads the ship types of the catalogue at `cataloguePath` into the
// empty catalogue (no models), checks them against the recorded ones and replays every chase into
// `chases`. With no `cataloguePath` the recorded types themselves fill the catalogue: a replay
// needs only their figures. `note` says where a recording that was cut off ends (empty for a
// finished one). False, with `reason`, when the demo cannot be read, the catalogue differs or lacks
// a type the game needs, or a frame cannot be read; the catalogue and the world are left filled
// either way.
bool ReplayDemoFile(const std::string& path, const std::string& cataloguePath,
                    std::vector<DemoResult>& chases, std::string& note, std::string& reason);

// Opens the demo at `path` reading only its header (OpenDemoStart), checks its recorded ship types
// against the catalogue at `cataloguePath` as ReplayDemoFile does, and replays its first chase as
// ReplayFirstChase does, until it is over or its game time passes `mostMilliseconds`: what the
// replay costs follows the chase's time, not the file's length. False, with `reason`, as
// ReplayDemoFile is, and at a frame no game plays before the replay stops.
bool ReplayChaseFile(const std::string& path, const std::string& cataloguePath,
                     uint64_t mostMilliseconds, DemoResult& first, std::string& reason);

// The demo of chase `index` (from 0) of the demo at `path` alone: a header with that chase's
// stars and the recorded ship types, its first `frames` frames with each pause held as one
// (AppendChaseFrame) and the end mark. The file is read only as far as those frames, each checked
// as it is reached. False, with `reason`, when the file cannot be read, holds fewer chases or
// frames, or a frame before the last of them no game plays.
bool CutChaseDemo(const std::string& path, size_t index, size_t frames,
                  std::vector<unsigned char>& bytes, std::string& reason);
