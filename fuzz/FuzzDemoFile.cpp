// SPDX-License-Identifier: MIT
// The demo file reader under libFuzzer: bytes written to a file and read back in small pieces, as
// playing reads them, give the same verdict, the same header and the same frames as the bytes
// parsed whole in memory.
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
    if (!opened)
        return 0;
    const Demo& read = reader.demo;
    Require(SameTypes(read.shipTypes, whole.shipTypes) && read.frameCount == whole.frameCount &&
            read.milliseconds == whole.milliseconds && read.finished == whole.finished &&
            read.partialFrameBytes == whole.partialFrameBytes);
    const size_t framesAt =
        size - DemoFrameBytes * (whole.frameCount + whole.finished) - whole.partialFrameBytes;
    DemoFrame frame, expected;
    size_t count = 0;
    for (; ReadDemoFrame(reader, frame, reason); ++count) {
        Require(ParseDemoFrame(data + framesAt + DemoFrameBytes * count, expected, reason));
        Require(frame.milliseconds == expected.milliseconds && frame.keys == expected.keys);
    }
    Require(reason.empty() && count == whole.frameCount);
    return 0;
}
