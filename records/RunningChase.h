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
    DemoRecorder recorder;  // the chase so far
    int lock = -1;          // held on the file while the game runs
    bool recording = false; // false before the first chase and after a failed write
};

// Begins the running chase's demo in `folder` with `header`: the game's own file is made and
// locked for the first chase and emptied for each later one. False, with the reason, when it
// cannot be made or written: nothing is recorded then.
bool StartRunningChase(RunningChase& chase, const std::string& folder, const Demo& header,
                       std::string& reason);

// One frame into the running chase's demo. False, with "PATH: REASON", when the write fails:
// nothing more is recorded then. True when nothing is being recorded.
bool RecordRunningFrame(RunningChase& chase, double milliseconds, HeldKeys keys,
                        std::string& reason);

// The running chase's demo up to its last frame as a best demo holds it (CutChaseDemo: each
// pause as one frame), closed with the end mark: the demo a best chase is kept with. Read from the
// file a piece at a time. False, with "PATH: REASON", when the file no longer holds those frames.
bool RunningChaseSoFar(const RunningChase& chase, std::vector<unsigned char>& bytes,
                       std::string& reason);

// When the game ends: closes the demo with its end mark and makes it last.demo beside it. False,
// with the reason, when that fails (the running file is then left, and the next game takes it in).
bool EndRunningChase(RunningChase& chase, std::string& reason);

// The running chases in `folder` that no game holds any more, left by games that were killed:
// oldest first, each becomes last.demo when it is newer than last.demo, and is removed when it is
// not. Never touches the file of a game still running.
void TakeInLeftChases(const std::string& folder);
