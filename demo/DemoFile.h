// Demo files on disk: read whole and checked, or written frame by frame while the game runs.
#pragma once

#include "DemoFormat.h"
#include "HeldKeys.h"

#include <cstdio>
#include <string>

// Reads and checks the demo at `path`, opened as the game's data files are (never waiting on a
// named pipe or a device). False, with `reason`, when it cannot be read or is not a demo
// ParseDemo accepts.
bool ReadDemoFile(const std::string& path, Demo& demo, std::string& reason);

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
// The header: the star seed and the ship types of `demo`.
bool RecordDemoHeader(DemoRecorder& recorder, const Demo& demo, std::string& reason);
// One frame as the loop measured it. A frame no demo can hold or a failed
// write closes the recording: false, with the reason, and later frames are not recorded.
bool RecordDemoFrame(DemoRecorder& recorder, double milliseconds, HeldKeys keys,
                     std::string& reason);
// Writes the end mark and closes the file.
bool FinishDemoRecording(DemoRecorder& recorder, std::string& reason);
