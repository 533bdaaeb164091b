// Reading a demo file whole, and writing one as the game goes.
#include "DemoFile.h"

#include "FileBytes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

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

bool ReadDemoFile(const std::string& path, Demo& demo, std::string& reason) {
    std::vector<unsigned char> bytes;
    return ReadFileBytes(path, bytes, reason) &&
           ParseDemo(bytes.data(), bytes.size(), demo, reason);
}

bool CanRecordAt(const std::string& path, std::string& reason) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat info;
    bool exists = stat(path.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) {
        reason = "is a directory, not a file to record into";
        return false;
    }
    bool ok = access(folder.c_str(), W_OK) == 0 && (!exists || access(path.c_str(), W_OK) == 0);
    if (!ok)
        reason = std::strerror(errno);
    return ok;
}

bool StartDemoRecording(DemoRecorder& recorder, const std::string& path, std::string& reason) {
    recorder = DemoRecorder();
    recorder.path = path;
    recorder.file = std::fopen(path.c_str(), "wb");
    if (!recorder.file)
        reason = std::strerror(errno);
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
