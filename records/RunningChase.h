// SPDX-License-Identifier: MIT
// The chase a game is playing, recorded into a file of the game's own in the records folder
// ("running-PID.demo", locked while the game runs) and made last.demo when the game ends, so that
// two games at once never write into one file, and the chases of games that were killed are
// taken in by the next game.
#pragma once

#include "DemoFile.h"
#include "DemoFormat.h"

#include <string>
#include <vector>

constexpr const char* LastDemoName = "last.demo";

struct RunningChase {
    std::string path;       // running-PID.demo in the records folder
    DemoRecorder recorder;  // the chase so far, written through `file`
    int file = -1;          // the running file, open and locked while the game runs
    bool recording = false; // false before the first chase and after a failed write
    size_t headerBytes = 0;
};

// Begins the running chase's demo in `folder` with `header`. The game's own file is made for the
// first chase under a hidden name, locked and given its header before it is renamed to
// running-PID.demo, so that no other game ever finds it unlocked or without a whole header; each
// later chase empties it through the descriptor that made it, never opening a name again. False,
// with the reason, when it cannot be made or written: nothing is recorded then.
bool StartRunningChase(RunningChase& chase, const std::string& folder, const Demo& header,
                       std::string& reason);

// One frame into the running chase's demo. False, with "PATH: REASON", when the write fails:
// nothing more is recorded then. True when nothing is being recorded.
bool RecordRunningFrame(RunningChase& chase, double milliseconds, HeldKeys keys,
                        std::string& reason);

// The running chase's demo up to its last frame, read through the game's own descriptor a piece
// at a time, each pause held as one frame (AppendChaseFrame) and closed with the end mark: the
// demo a best chase is kept with, as long as the chase's own frames.
bool RunningChaseSoFar(const RunningChase& chase, std::vector<unsigned char>& bytes,
                       std::string& reason);

// When the game ends: closes the demo with its end mark and makes it last.demo beside it. A file
// without a whole header (its header could not be written) is removed and last.demo left. False,
// with the reason, when the file is no longer the game's own under its name (last.demo is then
// left as it is), or cannot become last.demo (the file is then left, named in the reason, for
// the next game to take in).
bool EndRunningChase(RunningChase& chase, std::string& reason);

// The running chases in `folder` that no game holds any more, left by games that were killed,
// each held locked while it is taken in, oldest first: one with a whole header becomes last.demo
// when it is newer than last.demo and is removed when it is older; one without is removed. Never
// touches the file of a game still running. Gives a line for each file it cannot take in (a link,
// a folder, one it cannot read, lock or rename over last.demo), which is left where it is, and for
// each file it removes that held bytes but no whole header.
std::vector<std::string> TakeInLeftChases(const std::string& folder);
