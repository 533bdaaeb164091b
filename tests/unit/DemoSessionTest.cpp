// SPDX-License-Identifier: MIT
// Playing a demo with --play: a file that changes under the game is a failed playback; stopping
// early by choice is not; played from the start again, each chase says its line once.
#include "DemoSession.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int FrameCount = 4;

std::vector<unsigned char> FourFrames() {
    Demo demo;
    demo.shipTypes = {{"Bullet", 0, 0}, {"brightfin", 24, 220}};
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    for (int i = 0; i < FrameCount; ++i)
        AppendDemoFrame(bytes, {uint32_t(10 + i), 0});
    AppendDemoEnd(bytes);
    return bytes;
}

} // namespace

TEST(DemoSession, APlaybackFailsWhenTheFileChangesWhilePlaying) {
    const std::vector<unsigned char> bytes = FourFrames();
    const size_t frames = bytes.size() - DemoFrameBytes * (FrameCount + 1);
    const struct {
        const char* what;
        size_t playUpTo;                  // frames the loop asks for before it ends
        std::vector<unsigned char> after; // the file's bytes once opened; empty: unchanged
        bool ends;                        // EndDemo's verdict
        size_t played;
    } cases[] = {
        {"played to its end", FrameCount + 1, {}, true, FrameCount},
        {"stopped early by the player", 2, {}, true, 2},
        {"cut short while playing", FrameCount + 1,
         std::vector<unsigned char>(bytes.begin(), bytes.begin() + long(frames + 8)), false, 1},
        {"a frame rewritten while playing", FrameCount + 1,
         [&] {
             std::vector<unsigned char> changed = bytes;
             changed[frames + 2 * DemoFrameBytes] = 0; // frame 3 lasts 0 ms
             changed[frames + 2 * DemoFrameBytes + 1] = 0;
             return changed;
         }(),
         false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DemoSession session;
        session.mode = PlayDemo;
        session.path = session.file = WriteScratchFile("played.demo", bytes);
        session.player = std::make_unique<DemoReader>();
        session.player->readPiece = 1; // so that every frame is read from the file as it comes
        std::string reason;
        ASSERT_TRUE(OpenDemo(session.file, *session.player, reason)) << reason;
        if (!c.after.empty()) {
            // Rewritten in place, as an editor or a second recording would.
            std::FILE* file = std::fopen(session.file.c_str(), "r+b");
            ASSERT_NE(file, nullptr);
            std::fwrite(c.after.data(), 1, c.after.size(), file);
            std::fclose(file);
            ASSERT_EQ(truncate(session.file.c_str(), off_t(c.after.size())), 0);
        }
        DemoFrame frame;
        size_t played = 0;
        bool restarted = false;
        while (played < c.playUpTo && NextDemoFrame(session, frame, restarted))
            ++played;
        EXPECT_EQ(played, c.played);
        EXPECT_EQ(EndDemo(session, ChaseClock()), c.ends);
        std::remove(session.file.c_str());
    }
}

// Played from the start again, a chase whose line was said says it no more; the others say theirs
// once, counting their frames from the start.
TEST(DemoSession, FromTheStartAgainEachChaseSaysItsLineOnce) {
    Demo demo;
    demo.shipTypes = {{"Bullet", 0, 0}, {"brightfin", 24, 220}};
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    for (uint32_t length : {10, 11})
        AppendDemoFrame(bytes, {length, 0});
    AppendDemoRestart(bytes, demo.starSeed);
    for (uint32_t length : {12, 13, 14})
        AppendDemoFrame(bytes, {length, 0});
    AppendDemoRestart(bytes, demo.starSeed);
    AppendDemoFrame(bytes, {15, 0});
    AppendDemoEnd(bytes);
    DemoSession session;
    session.mode = PlayDemo;
    session.path = session.file = WriteScratchFile("again.demo", bytes);
    session.player = std::make_unique<DemoReader>();
    std::string reason;
    ASSERT_TRUE(OpenDemo(session.file, *session.player, reason)) << reason;
    std::ostringstream said;
    std::streambuf* out = std::cout.rdbuf(said.rdbuf());
    const auto play = [&](size_t frames) {
        DemoFrame frame;
        bool restarted = false;
        for (size_t i = 0; i < frames && NextDemoFrame(session, frame, restarted); ++i)
            if (restarted)
                RestartChase(session, ChaseClock());
    };
    play(4); // into the second chase
    const bool rewound = RewindPlayedDemo(session, reason);
    play(2); // into the first chase
    const bool rewoundAgain = RewindPlayedDemo(session, reason);
    play(100);
    const bool ended = EndDemo(session, ChaseClock());
    std::cout.rdbuf(out);
    EXPECT_TRUE(rewound && rewoundAgain && ended) << reason;
    std::vector<std::string> lines;
    std::istringstream in(said.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.find(" s, ")));
    EXPECT_EQ(lines, (std::vector<std::string>{"demo: 2 frames, 0.021", "demo: 3 frames, 0.039",
                                               "demo: 1 frames, 0.015"}));
    std::remove(session.file.c_str());
}
