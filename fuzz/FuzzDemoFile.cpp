// SPDX-License-Identifier: MIT
// The demo file reader under libFuzzer: bytes written to a file and read back in small pieces, as
// playing reads them, give the same verdict, the same header and the same frames as the bytes
// parsed whole in memory; opened by the header alone, the same frames up to the first bad one.
#include "DemoFile.h"
#include "DemoFormat.h"
#include "FuzzCheck.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool SameTypes(const std::vector<DemoShipType>& a, const std::vector<DemoShipType>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        // Figures compared as the bits the file holds: a NaN is the same NaN.
        if (a[i].name != b[i].name || std::memcmp(&a[i].thrust, &b[i].thrust, 4) != 0 ||
            std::memcmp(&a[i].turnRate, &b[i].turnRate, 4) != 0)
            return false;
    return true;
}

const std::string& ScratchPath() {
    static const std::string path = "/tmp/fuzz_demo_file." + std::to_string(getpid()) + ".demo";
    return path;
}

bool WriteScratch(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// Every frame the reader gives until it stops: milliseconds, keys and, before a frame a restart
// came before, its seed's first word; then why it stopped (empty at the end).
std::vector<uint32_t> ReadFrames(DemoReader& reader, std::string& reason) {
    std::vector<uint32_t> frames;
    DemoFrame frame;
    while (ReadDemoFrame(reader, frame, reason)) {
        if (reader.restarted)
            frames.push_back(reader.restartSeed.words[0]);
        frames.push_back(frame.milliseconds);
        frames.push_back(frame.keys);
    }
    return frames;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Demo whole;
    std::string wholeReason;
    const bool parsed = ParseDemo(data, size, whole, wholeReason);
    Require(WriteScratch(data, size));
    DemoReader reader;
    // Pieces of 1 to 13 bytes, so that every field is split somewhere across the inputs.
    reader.readPiece = 1 + size % 13;
    std::string reason;
    const bool opened = OpenDemo(ScratchPath(), reader, reason);
    Require(opened == parsed && reason == wholeReason);
    // Opened by its header alone, the file gives the same frames as far as they are good, and
    // stops at the first frame no game plays with the reason the whole parse gave for it.
    DemoReader start;
    start.readPiece = 1 + size % 11;
    std::string startReason;
    if (!OpenDemoStart(ScratchPath(), start, startReason)) {
        Require(!parsed && startReason == wholeReason);
        return 0;
    }
    const std::vector<uint32_t> started = ReadFrames(start, startReason);
    if (!opened) {
        Require(
            startReason == wholeReason ||
            (startReason.empty() && wholeReason.find("follow the end mark") != std::string::npos));
        return 0;
    }
    const Demo& read = reader.demo;
    Require(SameTypes(read.shipTypes, whole.shipTypes) && read.frameCount == whole.frameCount &&
            read.milliseconds == whole.milliseconds && read.finished == whole.finished &&
            read.partialFrameBytes == whole.partialFrameBytes);
    Require(SameTypes(start.demo.shipTypes, whole.shipTypes));
    const std::vector<uint32_t> checked = ReadFrames(reader, reason);
    Require(reason.empty() && reader.nextFrame == whole.frameCount);
    if (whole.restartCount == 0) {
        const size_t framesAt =
            size - DemoFrameBytes * (whole.frameCount + whole.finished) - whole.partialFrameBytes;
        for (size_t i = 0; i < whole.frameCount; ++i) {
            DemoFrame expected;
            Require(ParseDemoFrame(data + framesAt + DemoFrameBytes * i, expected, reason));
            Require(checked[2 * i] == expected.milliseconds && checked[2 * i + 1] == expected.keys);
        }
    }
    Require(startReason.empty() && started == checked && start.nextFrame == whole.frameCount &&
            start.demo.finished == whole.finished);
    return 0;
}
