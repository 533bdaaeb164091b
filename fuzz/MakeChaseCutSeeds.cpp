// SPDX-License-Identifier: MIT
// Writes the chase cut target's starting demos from a demo of one chase that ends (the pilot's):
// the demo itself; the demo with pauses at its first frame and in its middle; and the demo with a
// restart in its middle, so that its second chase begins there.
// Usage: make_chase_cut_seeds PILOT.demo DIR
#include "ByteReader.h"
#include "DemoFormat.h"
#include "FileBytes.h"
#include "HeldKeys.h"
#include "WholeFile.h"

#include <cstdio>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

bool Write(const std::string& dir, const char* name, const Bytes& bytes) {
    std::string reason;
    return WriteWholeFile(dir + "/" + name, bytes, reason);
}

// `demo`'s bytes with `entries` put in before its frame `frame` (from 0).
Bytes Inserted(const Bytes& demo, size_t headerBytes, size_t frame, const Bytes& entries) {
    Bytes bytes = demo;
    bytes.insert(bytes.begin() + std::ptrdiff_t(headerBytes + frame * DemoFrameBytes),
                 entries.begin(), entries.end());
    return bytes;
}

Bytes Pause(size_t frames) {
    Bytes bytes;
    for (size_t i = 0; i < frames; ++i)
        AppendDemoFrame(bytes, {1 + uint32_t(i % 3), uint16_t(ActionPause | (i % 2))});
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_chase_cut_seeds PILOT.demo DIR\n");
        return 2;
    }
    Bytes pilot;
    std::string reason;
    Demo demo;
    if (!ReadFileBytes(argv[1], pilot, reason) ||
        !ParseDemo(pilot.data(), pilot.size(), demo, reason) || demo.frameCount < 400) {
        std::fprintf(stderr, "make_chase_cut_seeds: %s: %s\n", argv[1],
                     reason.empty() ? "fewer than 400 frames" : reason.c_str());
        return 1;
    }
    ByteCursor in = ByteCursor::Over(pilot.data(), pilot.size());
    ParseDemoHeader(in, demo, reason);
    const size_t header = in.at;
    Bytes restart;
    RandomSeed seed = demo.starSeed;
    seed.words[0] ^= 1;
    AppendDemoRestart(restart, seed);
    const bool ok =
        Write(argv[2], "pilot.demo", pilot) &&
        Write(argv[2], "paused.demo",
              Inserted(Inserted(pilot, header, 200, Pause(30)), header, 0, Pause(40))) &&
        Write(argv[2], "restarted.demo", Inserted(pilot, header, 400, restart));
    return ok ? 0 : 1;
}
