// SPDX-License-Identifier: MIT
// Demo files on disk: read in pieces and checked, or written frame by frame while the game runs.
#pragma once

#include "DemoFormat.h"
#include "FileBytes.h"
#include "HeldKeys.h"

#include <cstdio>
#include <string>
#include <vector>

// A demo file open for playing: its header read and every frame checked when it is opened, then
// its frames read again in order as playback reaches them, a buffer at a time.
struct DemoReader {
    size_t readPiece = 64 * 1024; // the least bytes read from the file at a time
    DataFile file;
    Demo demo;                         // the header, and what the frames add up to
    std::vector<unsigned char> buffer; // bytes read from the file and not yet taken
    size_t taken = 0;                  // of `buffer`
    uint64_t framesAt = 0;             // where the first frame begins in the file
    size_t nextFrame = 0;              // the frames read so far
    bool restarted = false;            // a restart came before the frame read last
    RandomSeed restartSeed;            // its new chase's seed
    bool checkedAhead = true;          // every frame was checked when the file was opened
};

// Opens the demo at `path` as the game's data files are opened (never waiting on a named pipe or
// a device), reads its header, refusing a file that is not a demo from its first bytes, then
// checks every frame. The memory taken does not grow with the number of frames. False, with
// `reason`, when it cannot be read or is not a demo ParseDemo accepts.
bool OpenDemo(const std::string& path, DemoReader& reader, std::string& reason);

// Opens the demo at `path` as OpenDemo does but reads only its header: each frame is checked as
// ReadDemoFrame reaches it, so that playing the start of a demo never reads the rest of it.
// `demo` then counts no frames; `finished` is set once the end mark is read.
bool OpenDemoStart(const std::string& path, DemoReader& reader, std::string& reason);

// The next of the demo's whole frames, in order, with `restarted` and `restartSeed` set when a
// restart came before it. False when all have been read (after OpenDemoStart: at the end mark or
// where the file ends), or, with `reason`, when reading fails or the file no longer holds what was
// checked (after OpenDemoStart: at a frame no game plays, "frame 12 lasts 0 ms: ...").
bool ReadDemoFrame(DemoReader& reader, DemoFrame& frame, std::string& reason);

// A recording in progress. Every write is flushed at once, so that a game that dies leaves a
// file that replays up to its last frame.
struct DemoRecorder {
    std::FILE* file = nullptr; // null once finished, or after a write failed
    std::string path;
    size_t frames = 0;
    uint64_t milliseconds = 0; // of all frames recorded
};

// Whether a recording could be made at `path`: its folder exists and may be written, as may the
// file when it exists. Checked before the game starts; creating the file waits until it runs.
bool CanRecordAt(const std::string& path, std::string& reason);
// Creates the file, or empties the one there. False, with the system's reason.
bool StartDemoRecording(DemoRecorder& recorder, const std::string& path, std::string& reason);
// Records into `descriptor`, a regular file open for writing at the place the demo begins, which
// the recorder takes over (it is closed when the recording finishes); `path` names it. False,
// with the system's reason (the descriptor closed).
bool StartDemoRecordingInto(DemoRecorder& recorder, int descriptor, const std::string& path,
                            std::string& reason);
// The header: the star seed and the ship types of `demo`.
bool RecordDemoHeader(DemoRecorder& recorder, const Demo& demo, std::string& reason);
// One frame as the loop measured it. A frame no demo can hold or a failed
// write closes the recording: false, with the reason, and later frames are not recorded.
bool RecordDemoFrame(DemoRecorder& recorder, double milliseconds, HeldKeys keys,
                     std::string& reason);
// A restart, before the new chase's first frame: its stars come from `seed`.
bool RecordDemoRestart(DemoRecorder& recorder, const RandomSeed& seed, std::string& reason);
// Writes the end mark and closes the file.
bool FinishDemoRecording(DemoRecorder& recorder, std::string& reason);
