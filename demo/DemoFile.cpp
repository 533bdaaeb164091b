// SPDX-License-Identifier: MIT
// Reading a demo file in pieces, and writing one as the game goes.
#include "DemoFile.h"

#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

size_t Held(const DemoReader& reader) {
    return reader.buffer.size() - reader.taken;
}

// Drops the bytes taken, then reads on until `wanted` bytes are held, a piece at least, or the
// file ends.
bool Fill(DemoReader& reader, size_t wanted, std::string& reason) {
    std::vector<unsigned char>& buffer = reader.buffer;
    buffer.erase(buffer.begin(), buffer.begin() + std::ptrdiff_t(reader.taken));
    reader.taken = 0;
    return ReadDataFile(reader.file, buffer, std::max(wanted, reader.readPiece), reason);
}

// Reads the header from the start of the file, fetched a piece at a time as the parse reaches it.
bool ReadHeader(DemoReader& reader, std::string& reason) {
    reader.buffer.clear();
    const MoreBytes more = ReadAsNeeded(reader.file, reader.buffer, reader.readPiece);
    ByteCursor in = ByteCursor::From(more, reader.file.size);
    if (!ParseDemoHeader(in, reader.demo, reason))
        return false;
    reader.taken = in.at;
    reader.framesAt = in.at;
    return true;
}

// Checks and counts every frame after the header, a piece at a time, up to the end mark or the
// end of the file.
bool ScanFrames(DemoReader& reader, std::string& reason) {
    for (;;) {
        size_t used = 0;
        if (!ScanDemoFrames(reader.buffer.data() + reader.taken, Held(reader), reader.demo, used,
                            reason))
            return false;
        reader.taken += used;
        const size_t left = Held(reader);
        if (!Fill(reader, left + 1, reason))
            return false;
        if (reader.demo.finished || Held(reader) == left)
            break;
    }
    uint64_t left = Held(reader);
    const off_t at = lseek(reader.file.descriptor, 0, SEEK_CUR);
    if (at >= 0 && reader.file.size > uint64_t(at))
        left += reader.file.size - uint64_t(at);
    return EndDemoFrames(reader.demo, left, reason);
}

// Takes the restarts before the next frame, noting the last one's seed in `reader`. False, with
// `reason` when reading fails, or without it where the file ends inside a restart.
bool SkipRestarts(DemoReader& reader, std::string& reason) {
    for (;;) {
        if (Held(reader) < DemoFrameBytes && !Fill(reader, DemoFrameBytes, reason))
            return false;
        const unsigned char* entry = reader.buffer.data() + reader.taken;
        if (Held(reader) < DemoFrameBytes || !IsDemoRestart(reader.demo.version, entry))
            return true;
        if (Held(reader) < DemoRestartBytes && !Fill(reader, DemoRestartBytes, reason))
            return false;
        if (Held(reader) < DemoRestartBytes)
            return reader.checkedAhead;
        reader.restarted = true;
        reader.restartSeed = ParseDemoRestart(reader.buffer.data() + reader.taken);
        reader.taken += DemoRestartBytes;
    }
}

// Why a recording cannot go into something that is not a regular file.
std::string NotAFileToRecordInto(mode_t mode) {
    return std::string("is ") + NotRegularFileKind(mode) + ", not a file to record into";
}

bool Write(DemoRecorder& recorder, const std::vector<unsigned char>& bytes, std::string& reason) {
    if (!recorder.file) {
        reason = "the recording is closed";
        return false;
    }
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), recorder.file) == bytes.size() &&
        std::fflush(recorder.file) == 0)
        return true;
    reason = errno ? std::strerror(errno) : "cannot write";
    std::fclose(recorder.file);
    recorder.file = nullptr;
    return false;
}

} // namespace

bool OpenDemo(const std::string& path, DemoReader& reader, std::string& reason) {
    if (!OpenDataFile(path, reader.file, reason) || !ReadHeader(reader, reason) ||
        !ScanFrames(reader, reason))
        return false;
    reader.checkedAhead = true;
    // Back to the first frame, for playing.
    if (lseek(reader.file.descriptor, off_t(reader.framesAt), SEEK_SET) < 0) {
        reason = std::strerror(errno);
        return false;
    }
    reader.buffer.clear();
    reader.taken = 0;
    return true;
}

bool OpenDemoStart(const std::string& path, DemoReader& reader, std::string& reason) {
    if (!OpenDataFile(path, reader.file, reason) || !ReadHeader(reader, reason))
        return false;
    reader.checkedAhead = false;
    return true;
}

bool ReadDemoFrame(DemoReader& reader, DemoFrame& frame, std::string& reason) {
    reason.clear();
    reader.restarted = false;
    if (reader.checkedAhead ? reader.nextFrame == reader.demo.frameCount : reader.demo.finished)
        return false;
    if (!SkipRestarts(reader, reason))
        return false;
    // Unchecked, the file may end here: a recording cut off, read up to its last whole frame.
    if (Held(reader) < DemoFrameBytes && !reader.checkedAhead)
        return false;
    std::string fault;
    if (Held(reader) < DemoFrameBytes ||
        !ParseDemoFrame(reader.buffer.data() + reader.taken, frame, fault) ||
        (frame.milliseconds == 0 && reader.checkedAhead)) {
        reason = "frame " + std::to_string(reader.nextFrame + 1) +
                 (reader.checkedAhead ? " is no longer what it was when the file was opened"
                                      : " " + fault);
        return false;
    }
    reader.taken += DemoFrameBytes;
    if (frame.milliseconds == 0) { // the end mark
        reader.demo.finished = true;
        return false;
    }
    ++reader.nextFrame;
    return true;
}

bool CanRecordAt(const std::string& path, std::string& reason) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat info;
    bool exists = stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        reason = NotAFileToRecordInto(info.st_mode);
        return false;
    }
    bool ok = access(folder.c_str(), W_OK) == 0 && (!exists || access(path.c_str(), W_OK) == 0);
    if (!ok)
        reason = std::strerror(errno);
    return ok;
}

bool StartDemoRecording(DemoRecorder& recorder, const std::string& path, std::string& reason) {
    recorder = DemoRecorder();
    // Never waits on a named pipe put there since the check, and writes into regular files only.
    int descriptor =
        open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    struct stat info;
    if (descriptor >= 0 && fstat(descriptor, &info) == 0 && !S_ISREG(info.st_mode)) {
        close(descriptor);
        reason = NotAFileToRecordInto(info.st_mode);
        return false;
    }
    if (descriptor < 0) {
        reason = std::strerror(errno);
        return false;
    }
    return StartDemoRecordingInto(recorder, descriptor, path, reason);
}

bool StartDemoRecordingInto(DemoRecorder& recorder, int descriptor, const std::string& path,
                            std::string& reason) {
    recorder = DemoRecorder();
    recorder.path = path;
    recorder.file = fdopen(descriptor, "wb");
    if (!recorder.file) {
        reason = std::strerror(errno);
        close(descriptor);
    }
    return recorder.file != nullptr;
}

bool RecordDemoHeader(DemoRecorder& recorder, const Demo& demo, std::string& reason) {
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    return Write(recorder, bytes, reason);
}

bool RecordDemoFrame(DemoRecorder& recorder, double milliseconds, HeldKeys keys,
                     std::string& reason) {
    // The loop measures whole milliseconds, at least one; only a clock gone wrong gives more
    // than a day (or less than nothing, when the millisecond tick wraps round).
    if (!(milliseconds >= 1 && milliseconds <= MaxDemoFrameMilliseconds &&
          milliseconds == std::floor(milliseconds))) {
        char length[64];
        std::snprintf(length, sizeof length, "%.0f", milliseconds);
        reason = "frame " + std::to_string(recorder.frames + 1) + " lasted " + length +
                 " ms, which no demo can hold";
        if (recorder.file)
            std::fclose(recorder.file);
        recorder.file = nullptr;
        return false;
    }
    DemoFrame frame;
    frame.milliseconds = uint32_t(milliseconds);
    frame.keys = keys.bits;
    std::vector<unsigned char> bytes;
    AppendDemoFrame(bytes, frame);
    if (!Write(recorder, bytes, reason))
        return false;
    ++recorder.frames;
    recorder.milliseconds += frame.milliseconds;
    return true;
}

bool RecordDemoRestart(DemoRecorder& recorder, const RandomSeed& seed, std::string& reason) {
    std::vector<unsigned char> bytes;
    AppendDemoRestart(bytes, seed);
    return Write(recorder, bytes, reason);
}

bool FinishDemoRecording(DemoRecorder& recorder, std::string& reason) {
    std::vector<unsigned char> bytes;
    AppendDemoEnd(bytes);
    if (!Write(recorder, bytes, reason))
        return false;
    bool closed = std::fclose(recorder.file) == 0;
    recorder.file = nullptr;
    if (!closed)
        reason = std::strerror(errno);
    return closed;
}
