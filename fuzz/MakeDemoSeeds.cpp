// SPDX-License-Identifier: MIT
// Writes the fuzzer's starting demo files into a folder: a short whole recording, one cut short
// inside a frame, one with a frame no game measures, one with restarts, one cut inside a restart,
// one with a restart before its first frame and one after its last, and one of the former
// version, without restarts.
// Usage: make_demo_seeds DIR (both demo targets start from the same files)
#include "DemoFormat.h"
#include "WholeFile.h"

#include <cstdio>
#include <string>

namespace {

bool Write(const std::string& dir, const char* name, const std::vector<unsigned char>& bytes) {
    std::string reason;
    return WriteWholeFile(dir + "/" + name, bytes, reason);
}

// A restart before the first frame, and one that no frame follows before the end mark.
std::vector<unsigned char> RestartsAtTheEnds(const Demo& demo, const RandomSeed& seed) {
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    AppendDemoRestart(bytes, seed);
    AppendDemoFrame(bytes, {5, 0x02});
    AppendDemoFrame(bytes, {4, 0x03});
    AppendDemoRestart(bytes, demo.starSeed);
    AppendDemoEnd(bytes);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_seeds DIR\n");
        return 2;
    }
    Demo demo;
    for (int i = 0; i < RandomStateWords; ++i)
        demo.starSeed.words[i] = uint32_t(i) * 2654435761u;
    demo.shipTypes = {{"Bullet", 0, 0}, {"Quessal", 9, 150}, {"brightfin", 24, 220}};
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    const uint16_t keys[] = {0, 0x01, 0x44, 0x45, 0x80, 0x100, 0x1FF, 0x20};
    for (uint32_t i = 0; i < 24; ++i)
        AppendDemoFrame(bytes, {1 + i % 9, keys[i % 8]});
    std::vector<unsigned char> whole = bytes;
    AppendDemoEnd(whole);
    std::vector<unsigned char> cut(bytes.begin(), bytes.end() - 3);
    std::vector<unsigned char> absurd = bytes;
    AppendDemoFrame(absurd, {MaxDemoFrameMilliseconds + 1, 0});
    std::vector<unsigned char> restarts = bytes;
    RandomSeed seed;
    for (int i = 0; i < RandomStateWords; ++i)
        seed.words[i] = uint32_t(i) * 40503u;
    AppendDemoRestart(restarts, seed);
    AppendDemoFrame(restarts, {7, 0x41});
    AppendDemoRestart(restarts, demo.starSeed);
    AppendDemoFrame(restarts, {3, 0});
    std::vector<unsigned char> cutRestart(restarts.begin(), restarts.end() - 1000);
    AppendDemoEnd(restarts);
    const std::vector<unsigned char> restartsAtTheEnds = RestartsAtTheEnds(demo, seed);
    demo.version = 2;
    std::vector<unsigned char> former;
    AppendDemoHeader(former, demo);
    former.insert(former.end(), whole.begin() + std::ptrdiff_t(former.size()), whole.end());
    bool ok = Write(argv[1], "whole.demo", whole) && Write(argv[1], "cut.demo", cut) &&
              Write(argv[1], "absurd_frame.demo", absurd) &&
              Write(argv[1], "restarts.demo", restarts) &&
              Write(argv[1], "cut_restart.demo", cutRestart) &&
              Write(argv[1], "restarts_at_the_ends.demo", restartsAtTheEnds) &&
              Write(argv[1], "former_version.demo", former);
    return ok ? 0 : 1;
}
