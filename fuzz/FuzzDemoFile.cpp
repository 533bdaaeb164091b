// SPDX-License-Identifier: MIT
// The demo file reader under libFuzzer: bytes written to a file and read back in small pieces, as
// playing reads them, give the same verdict, the same header and counts, and the same frames with
// the same restarts before them, as the bytes parsed whole in memory; opened by the header alone,
// as a proof reads a demo, the same frames up to the first bad one.
#include "DemoFile.h"
#include "DemoFormat.h"
#include "FuzzCheck.h"
#include "FuzzScratchFile.h"

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

bool SameSeed(const RandomSeed& a, const RandomSeed& b) {
    return std::memcmp(a.words, b.words, sizeof a.words) == 0;
}

// Everything a demo's header and its scan of the frames give.
bool SameDemo(const Demo& a, const Demo& b) {
    return a.version == b.version && SameSeed(a.starSeed, b.starSeed) &&
           SameTypes(a.shipTypes, b.shipTypes) && a.frameCount == b.frameCount &&
           a.restartCount == b.restartCount && a.milliseconds == b.milliseconds &&
           a.finished == b.finished && a.partialFrameBytes == b.partialFrameBytes;
}

// The entries after the header in the bytes held whole, walked in order.
struct WholeEntries {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t at = 0; // the next entry
    uint16_t version = 0;
    size_t restarts = 0; // taken so far
};

// Takes the whole restarts at the walk's place: true when there was one, with the last one's
// seed in `seed`.
bool TakeRestarts(WholeEntries& walk, RandomSeed& seed) {
    bool restarted = false;
    while (walk.size - walk.at >= DemoRestartBytes &&
           IsDemoRestart(walk.version, walk.data + walk.at)) {
        seed = ParseDemoRestart(walk.data + walk.at);
        walk.at += DemoRestartBytes;
        ++walk.restarts;
        restarted = true;
    }
    return restarted;
}

// The frame read in pieces is the walk's next frame, after the same restarts.
void CheckFrame(const DemoReader& reader, const DemoFrame& frame, WholeEntries& walk) {
    RandomSeed seed;
    const bool restarted = TakeRestarts(walk, seed);
    Require(reader.restarted == restarted && (!restarted || SameSeed(reader.restartSeed, seed)));
    DemoFrame expected;
    std::string reason;
    Require(walk.size - walk.at >= DemoFrameBytes &&
            ParseDemoFrame(walk.data + walk.at, expected, reason) && expected.milliseconds != 0);
    Require(frame.milliseconds == expected.milliseconds && frame.keys == expected.keys);
    walk.at += DemoFrameBytes;
}

// After the last frame: the restarts no frame follows, then the end mark or the bytes cut short,
// and nothing else.
void CheckEnd(const Demo& whole, WholeEntries& walk) {
    RandomSeed seed;
    TakeRestarts(walk, seed);
    Require(walk.restarts == whole.restartCount);
    const size_t left = walk.size - walk.at;
    if (whole.finished)
        Require(left == DemoFrameBytes && LittleU32(walk.data + walk.at) == 0 &&
                LittleU16(walk.data + walk.at + 4) == 0);
    else
        Require(left == whole.partialFrameBytes);
}

const std::string ScratchPath = ScratchPathFor("demo_file", ".demo");

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

// Opened by its header alone, the file gives the same frames as the whole reading as far as they
// are good, and stops at the first frame no game plays with the reason the whole parse gave.
void CheckOpenedByItsHeader(size_t size, bool parsed, const Demo& whole,
                            const std::string& wholeReason) {
    DemoReader start, reader;
    start.readPiece = 1 + size % 11;
    std::string startReason, reason;
    if (!OpenDemoStart(ScratchPath, start, startReason)) {
        Require(!parsed && startReason == wholeReason);
        return;
    }
    const std::vector<uint32_t> started = ReadFrames(start, startReason);
    if (!parsed) {
        Require(
            startReason == wholeReason ||
            (startReason.empty() && wholeReason.find("follow the end mark") != std::string::npos));
        return;
    }
    Require(SameTypes(start.demo.shipTypes, whole.shipTypes) &&
            OpenDemo(ScratchPath, reader, reason));
    Require(startReason.empty() && started == ReadFrames(reader, reason) &&
            start.nextFrame == whole.frameCount && start.demo.finished == whole.finished);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Demo whole;
    std::string wholeReason;
    const bool parsed = ParseDemo(data, size, whole, wholeReason);
    Require(WriteScratch(ScratchPath, data, size));
    DemoReader reader;
    // Pieces of 1 to 13 bytes, so that every field is split somewhere across the inputs.
    reader.readPiece = 1 + size % 13;
    std::string reason;
    const bool opened = OpenDemo(ScratchPath, reader, reason);
    Require(opened == parsed && reason == wholeReason);
    CheckOpenedByItsHeader(size, parsed, whole, wholeReason);
    if (!opened)
        return 0;
    Require(SameDemo(reader.demo, whole));
    // The frames begin where the header held whole ends.
    ByteCursor header = ByteCursor::Over(data, size);
    Demo again;
    Require(ParseDemoHeader(header, again, reason) && reader.framesAt == header.at);
    WholeEntries walk{data, size, header.at, whole.version};
    DemoFrame frame;
    size_t count = 0;
    uint64_t milliseconds = 0;
    for (; ReadDemoFrame(reader, frame, reason); ++count) {
        CheckFrame(reader, frame, walk);
        milliseconds += frame.milliseconds;
    }
    Require(reason.empty() && count == whole.frameCount && milliseconds == whole.milliseconds);
    CheckEnd(whole, walk);
    return 0;
}
