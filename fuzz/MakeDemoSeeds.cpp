// SPDX-License-Identifier: MIT
// Writes the fuzzer's starting demo files into a folder: a short whole recording, one cut short
// inside a frame, and one with a frame no game measures.
// Usage: make_demo_seeds DIR
#include "DemoFormat.h"
#include "WholeFile.h"

#include <cstdio>
#include <string>

namespace {

bool Write(const std::string& dir, const char* name, const std::vector<unsigned char>& bytes) {
    std::string reason;
    return WriteWholeFile(dir + "/" + name, bytes, reason);
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
    bool ok = Write(argv[1], "whole.demo", whole) && Write(argv[1], "cut.demo", cut) &&
              Write(argv[1], "absurd_frame.demo", absurd);
    return ok ? 0 : 1;
}
