// SPDX-License-Identifier: MIT
// `--record FILE` and `--play FILE`: what the game and its frame loop take from and give to a
// demo file. Errors are one line, "starchase: FILE: REASON".
#pragma once

#include "ChaseClock.h"
#include "DemoFile.h"
#include "DemoFormat.h"
#include "HeldKeys.h"

#include <memory>
#include <string>

struct CommandLine;

enum DemoMode { NoDemo, RecordDemo, PlayDemo };

struct DemoSession {
    DemoMode mode = NoDemo;
    std::string path;       // as given, for messages
    std::string file;       // the same file from wherever the working folder is
    Demo demo;              // live: the header of the running chase
    DemoRecorder recorder;  // recorded
    bool recording = false; // false once a write failed
    bool failed = false;    // a frame or the end mark could not be written, or read as recorded
    size_t chaseFrames = 0; // recorded or played: the running chase's frames so far
    uint64_t chaseMilliseconds = 0;
    uint32_t heldBack = 0; // played: the milliseconds of a frame read after a restart
    // Played: the file, read as playback reaches its frames.
    std::unique_ptr<DemoReader> player;
};

// The demo the command line asks for. A relative path is taken from the folder the game starts in,
// before the data folder becomes the working folder.
DemoSession DemoFromCommandLine(const CommandLine& commandLine);

// Before the window opens, in the data folder. To record: checks that the file can be
// written. To play: reads the demo and checks the catalogue's types against the recorded ones
// (the catalogue is left empty again), noting on standard error a recording that was cut off.
// False, with the error line, when the demo cannot be recorded or played.
bool PrepareDemo(DemoSession& session, std::string& error);

// The seed for the first chase's stars: the recorded one, or fresh words kept for the recording's
// header and last.demo.
const RandomSeed* DemoStarSeed(DemoSession& session);

// After start-up, to record: creates the file and writes the header. False, with the error line.
bool StartRecording(DemoSession& session, std::string& error);

// A frame the loop measured, counted in the chase and, when recording, into the demo file. A failed write
// stops the recording after one line on standard error; the game goes on, and ends with a failure.
void RecordFrame(DemoSession& session, double elapsed, HeldKeys keys);

// The next recorded frame to play; false when none is left, or after a line on standard error
// when it cannot be read or is no longer what was checked: the playback has then failed.
// `restarted` says the recording restarted the chase before this frame: call RestartChase, then
// set the world up again, before the frame is played.
bool NextDemoFrame(DemoSession& session, DemoFrame& frame, bool& restarted);

// A new chase, after R in a live game or a restart read by NextDemoFrame: first writes the ended
// chase's result line when recording or playing, as EndDemo does for the last one (so call it
// before the world is set up again), then gives the star seed for the new chase: in a live game
// fresh words, recorded as a restart in the --record file; in a played demo the recorded ones. The loop then starts a new FrameClock and ChaseClock, as at
// start: the first frame of a chase never steps, so every chase replays alone as it was played.
const RandomSeed& RestartChase(DemoSession& session, const ChaseClock& ended);

// After the loop, before the world is torn down: ends a recording, and for a recording or a
// playback that ran to its end writes the last chase's result line to standard output. A playback
// stopped early says so on standard error. False when the recording could not be written whole,
// or the played file could not be read as it was checked.
bool EndDemo(DemoSession& session, const ChaseClock& chase);
