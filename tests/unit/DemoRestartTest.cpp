// SPDX-License-Identifier: MIT
// Demos that hold restarts: a session of three chases replays to three result lines, each chase
// cut out alone replays to its own line, files without restarts still play, and broken restarts
// are refused or played up to them.
#include "Autopilot.h"
#include "ReplayFile.h"
#include "Step.h"
#include "StepTestSupport.h"
#include "TestFiles.h"

#include <random>

namespace {

RandomSeed Seed(uint32_t from) {
    RandomSeed seed;
    std::mt19937 random(from);
    for (uint32_t& word : seed.words)
        word = random();
    return seed;
}

// A session as the frame loop plays it: chases of the given frame counts, each after the first
// begun by a restart (world, frame clock and chase clock anew), the pilot flying with stretches
// of P. Gives each chase's line as the game writes it.
std::vector<std::string> FlySession(const std::string& path, const std::vector<int>& chases) {
    LoadDefaultCatalogue();
    Demo header;
    header.starSeed = Seed(1);
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    DemoRecorder recorder;
    std::string reason;
    EXPECT_TRUE(StartDemoRecording(recorder, path, reason)) << reason;
    EXPECT_TRUE(RecordDemoHeader(recorder, header, reason)) << reason;
    std::vector<std::string> lines;
    std::mt19937 random(3);
    for (size_t c = 0; c < chases.size(); ++c) {
        RandomSeed seed = c == 0 ? header.starSeed : Seed(uint32_t(10 + c));
        if (c > 0) {
            EXPECT_TRUE(RecordDemoRestart(recorder, seed, reason)) << reason;
        }
        world = World();
        EXPECT_TRUE(SetUpWorld(&seed));
        FrameClock clock;
        ChaseClock chase;
        StepEvents events;
        uint64_t milliseconds = 0;
        for (int i = 0; i < chases[c]; ++i) {
            double elapsed = 1 + random() % 20;
            HeldKeys keys = Autopilot(world);
            HoldKey(keys, ActionPause, i % 300 > 270);
            EXPECT_TRUE(RecordDemoFrame(recorder, elapsed, keys, reason)) << reason;
            bool updates = FrameUpdates(clock, elapsed);
            if (updates)
                AdvanceWorld(world, keys, elapsed * 0.001, events);
            CountChaseFrame(chase, updates, keys, elapsed, world);
            milliseconds += uint64_t(elapsed);
        }
        lines.push_back(DemoLine(SumUpGame(world, size_t(chases[c]), milliseconds, chase)));
    }
    EXPECT_TRUE(FinishDemoRecording(recorder, reason)) << reason;
    world = World();
    return lines;
}

std::vector<std::string> ReplayedLines(const std::string& path, std::string& note) {
    world = World();
    shipCatalogue.Clear();
    std::vector<DemoResult> chases;
    std::string reason;
    EXPECT_TRUE(ReplayDemoFile(path, "", chases, note, reason)) << reason;
    std::vector<std::string> lines;
    for (const DemoResult& chase : chases)
        lines.push_back(DemoLine(chase));
    world = World();
    return lines;
}

// A result line from its time on: what a chase cut out, its pauses held as one frame, shares with
// the same chase played whole.
std::string AfterFrames(const std::string& line) {
    return line.substr(line.find(" frames, "));
}

TEST(DemoRestarts, ASessionWithTwoRestartsReplaysToThreeLines) {
    const std::string path = testing::TempDir() + "session.demo";
    const std::vector<std::string> flown = FlySession(path, {900, 400, 1200});
    std::string note;
    EXPECT_EQ(ReplayedLines(path, note), flown);
    EXPECT_EQ(note, "");
    EXPECT_NE(flown[0], flown[2]) << "the chases were all alike: a poor test of the restarts";

    // Each chase alone, as a kept record holds it, replays to its own line; its stretches of P
    // (29 frames from the 272nd of every 300) are held as one frame each.
    const int frames[] = {900, 400, 1200};
    const char* held[] = {"demo: 816 frames", "demo: 372 frames", "demo: 1088 frames"};
    for (size_t c = 0; c < 3; ++c) {
        std::vector<unsigned char> alone;
        std::string reason;
        ASSERT_TRUE(CutChaseDemo(path, c, size_t(frames[c]), alone, reason)) << reason;
        const std::string cut = WriteScratchFile("chase" + std::to_string(c) + ".demo", alone);
        const std::vector<std::string> lines = ReplayedLines(cut, note);
        ASSERT_EQ(lines.size(), 1u) << "chase " << c;
        EXPECT_EQ(AfterFrames(lines[0]), AfterFrames(flown[c])) << "chase " << c;
        EXPECT_EQ(lines[0].substr(0, lines[0].find(',')), held[c]) << "chase " << c;
    }
    std::vector<unsigned char> none;
    std::string reason;
    EXPECT_FALSE(CutChaseDemo(path, 1, 401, none, reason));
    EXPECT_EQ(reason, "chase 2 has fewer than 401 frames");
}

// The first chase replayed alone, from its header read alone, up to `most` ms of chase time.
DemoResult FirstChase(const std::string& path, uint64_t most, size_t& framesRead) {
    world = World();
    DemoReader reader;
    DemoResult first;
    std::string reason;
    EXPECT_TRUE(OpenDemoStart(path, reader, reason)) << reason;
    EXPECT_TRUE(ReplayFirstChase(reader, most, first, reason)) << reason;
    framesRead = reader.nextFrame;
    world = World();
    return first;
}

TEST(DemoRestarts, TheFirstChaseAloneStopsAtItsRestartOrOnceItOutlastsTheLimit) {
    const std::string path = testing::TempDir() + "first.demo";
    const std::vector<std::string> flown = FlySession(path, {900, 400});
    size_t read = 0;
    const DemoResult whole = FirstChase(path, UINT64_MAX, read);
    EXPECT_EQ(DemoLine(whole), flown[0]);
    EXPECT_EQ(read, 901u) << "the second chase's first frame tells the first chase has ended";
    ASSERT_GT(whole.chase.milliseconds, 2u);
    for (uint64_t most :
         {uint64_t(0), whole.chase.milliseconds / 2, whole.chase.milliseconds - 1}) {
        const DemoResult first = FirstChase(path, most, read);
        SCOPED_TRACE(most);
        EXPECT_GT(first.chase.milliseconds, most);
        EXPECT_EQ(read, first.frames) << "a frame was read after the replay stopped";
        // The same frames cut out and replayed whole end where the stopped replay stands, and one
        // frame fewer had not yet outlasted the limit.
        std::vector<unsigned char> alone;
        std::string reason, note;
        ASSERT_TRUE(CutChaseDemo(path, 0, first.frames, alone, reason)) << reason;
        const std::vector<std::string> upTo =
            ReplayedLines(WriteScratchFile("upto.demo", alone), note);
        ASSERT_EQ(upTo.size(), 1u);
        EXPECT_EQ(AfterFrames(upTo[0]), AfterFrames(DemoLine(first)));
        ASSERT_TRUE(CutChaseDemo(path, 0, first.frames - 1, alone, reason)) << reason;
        EXPECT_LE(
            FirstChase(WriteScratchFile("before.demo", alone), UINT64_MAX, read).chase.milliseconds,
            most);
    }
}

TEST(DemoRestarts, RestartsAreReadOnlyWhereTheFormatHasThem) {
    const std::string path = testing::TempDir() + "two.demo";
    const std::vector<std::string> flown = FlySession(path, {300, 300});
    const std::string text = ReadWholeFile(path);
    const std::vector<unsigned char> bytes(text.begin(), text.end());
    const size_t restartAt = bytes.size() - DemoFrameBytes * 301 - DemoRestartBytes;
    auto changed = [&](auto change) {
        std::vector<unsigned char> b = bytes;
        change(b);
        return b;
    };
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        const char* reason; // empty: accepted
        size_t frames, restarts;
        bool finished;
    } cases[] = {
        {"as written", bytes, "", 600, 1, true},
        {"version 2 with a restart", changed([](auto& b) { b[8] = 2; }),
         "frame 301 lasts 0 ms: a frame lasts from 1 ms to 86400000 ms (a day)", 0, 0, false},
        {"cut inside the restart", changed([&](auto& b) { b.resize(restartAt + 100); }), "", 300, 0,
         false},
        {"cut after the restart", changed([&](auto& b) { b.resize(restartAt + DemoRestartBytes); }),
         "", 300, 1, false},
    };
    for (const auto& c : cases) {
        Demo demo;
        std::string reason;
        bool parsed = ParseDemo(c.bytes.data(), c.bytes.size(), demo, reason);
        EXPECT_EQ(parsed, c.reason[0] == '\0') << c.what << ": " << reason;
        if (!parsed) {
            EXPECT_EQ(reason, c.reason) << c.what;
            continue;
        }
        EXPECT_EQ(demo.frameCount, c.frames) << c.what;
        EXPECT_EQ(demo.restartCount, c.restarts) << c.what;
        EXPECT_EQ(demo.finished, c.finished) << c.what;
    }
    std::string note;
    const std::string cut = WriteScratchFile("cut.demo", cases[2].bytes);
    EXPECT_EQ(ReplayedLines(cut, note).size(), 1u);
    EXPECT_EQ(note, "ends inside a restart after frame 300: replaying the 300 whole frames "
                    "before it");
}

TEST(DemoRestarts, AFileOfTheFormerVersionStillPlays) {
    const std::string path = testing::TempDir() + "one.demo";
    const std::vector<std::string> flown = FlySession(path, {700});
    std::string text = ReadWholeFile(path);
    text[8] = 2; // a file of one chase is the same bytes in the former version
    const std::string former =
        WriteScratchFile("former.demo", std::vector<unsigned char>(text.begin(), text.end()));
    std::string note;
    EXPECT_EQ(ReplayedLines(former, note), flown);
}

TEST(DemoRestarts, AnEndedChaseSaysItsTime) {
    DemoResult result;
    result.frames = 3;
    result.milliseconds = 61005;
    result.hash = 0xA1;
    result.chase.over = true;
    result.chase.milliseconds = 59012;
    EXPECT_EQ(DemoLine(result), "demo: 3 frames, 61.005 s, 0 chasers left, state "
                                "00000000000000a1, chase over in 59.012 s");
}

} // namespace
