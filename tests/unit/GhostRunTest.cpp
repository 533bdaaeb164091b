// SPDX-License-Identifier: MIT
// The ghost's run of a recorded chase: where the recorded player's ship stood at each chase
// time, in a world of its own.
#include "GhostRun.h"

#include "Autopilot.h"
#include "DefaultCatalogue.h"
#include "SetUpWorld.h"
#include "Step.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The recorded player's ship after each frame, with the chase's time then.
struct Sighting {
    uint64_t chaseMilliseconds;
    Vector2 position;
    float heading;
};

// Flies the pilot for `frames` frames of 7 to 25 ms, pausing now and then, recording to `path`;
// a restart is recorded before frame `restartAt` (the pilot flies on: only the first chase is
// looked at then).
std::vector<Sighting> FlyAndRecord(const std::string& path, int frames, int restartAt = -1) {
    world = World();
    LoadDefaultCatalogue();
    Demo header;
    for (int i = 0; i < RandomStateWords; ++i)
        header.starSeed.words[i] = uint32_t(i) * 7919u + 1;
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    EXPECT_TRUE(SetUpWorld(&header.starSeed));
    DemoRecorder recorder;
    std::string reason;
    EXPECT_TRUE(StartDemoRecording(recorder, path, reason)) << reason;
    EXPECT_TRUE(RecordDemoHeader(recorder, header, reason)) << reason;
    FrameClock clock;
    ChaseClock chase;
    StepEvents events;
    std::vector<Sighting> seen;
    for (int i = 0; i < frames; ++i) {
        double elapsed = 7 + (i * 13) % 19;
        HeldKeys keys = Autopilot(world);
        HoldKey(keys, ActionPause, i % 90 > 80);
        if (i == restartAt) {
            EXPECT_TRUE(RecordDemoRestart(recorder, header.starSeed, reason)) << reason;
        }
        EXPECT_TRUE(RecordDemoFrame(recorder, elapsed, keys, reason)) << reason;
        bool updated = FrameUpdates(clock, elapsed);
        if (updated)
            AdvanceWorld(world, keys, elapsed * 0.001, events);
        CountChaseFrame(chase, updated, keys, elapsed, world);
        seen.push_back({chase.milliseconds, world.ships[0].position, world.ships[0].heading});
    }
    EXPECT_TRUE(FinishDemoRecording(recorder, reason)) << reason;
    return seen;
}

} // namespace

TEST(GhostRun, FliesTheRecordedShipAtEachChaseTimeInAWorldOfItsOwn) {
    const std::string path = testing::TempDir() + "ghost.demo";
    const std::vector<Sighting> seen = FlyAndRecord(path, 600);
    world = World(); // the game's world: the ghost never touches it
    GhostRun run;
    std::string reason;
    ASSERT_TRUE(StartGhostRun(run, path, reason)) << reason;
    ASSERT_NE(GhostShip(run), nullptr);
    EXPECT_TRUE(GhostShip(run)->position == Vector2(0, 0)) << "at its start before any time";
    // Times in increasing order, as a chase's clock runs: the first recorded frame that reached
    // each, and beyond the recording, its last frame.
    for (uint64_t wanted : {uint64_t(1), uint64_t(40), uint64_t(1000), seen[300].chaseMilliseconds,
                            seen.back().chaseMilliseconds, seen.back().chaseMilliseconds + 500}) {
        CatchUpGhost(run, wanted, SIZE_MAX);
        size_t frame = 0;
        while (frame + 1 < seen.size() && seen[frame].chaseMilliseconds < wanted)
            ++frame;
        EXPECT_EQ(run.chase.milliseconds, seen[frame].chaseMilliseconds) << wanted;
        EXPECT_TRUE(GhostShip(run)->position == seen[frame].position) << wanted;
        EXPECT_EQ(GhostShip(run)->heading, seen[frame].heading) << wanted;
    }
    EXPECT_TRUE(world.ships.empty());
}

TEST(GhostRun, FliesOnlyTheFirstChaseOfASession) {
    const std::string path = testing::TempDir() + "session.demo";
    const std::vector<Sighting> seen = FlyAndRecord(path, 300, 200);
    GhostRun run;
    std::string reason;
    ASSERT_TRUE(StartGhostRun(run, path, reason)) << reason;
    CatchUpGhost(run, seen.back().chaseMilliseconds + 1000, SIZE_MAX);
    EXPECT_EQ(run.chase.milliseconds, seen[199].chaseMilliseconds);
    EXPECT_TRUE(GhostShip(run)->position == seen[199].position);
}

TEST(GhostRun, ReadsAtMostItsShareOfFramesACallAndCatchesUpOverTheNext) {
    const std::string path = testing::TempDir() + "share.demo";
    const std::vector<Sighting> seen = FlyAndRecord(path, 600);
    GhostRun run;
    std::string reason;
    ASSERT_TRUE(StartGhostRun(run, path, reason)) << reason;
    const uint64_t wanted = seen[499].chaseMilliseconds;
    size_t calls = 0;
    while (run.chase.milliseconds < wanted && calls < 1000) {
        CatchUpGhost(run, wanted, 7);
        ++calls;
        EXPECT_LE(run.reader->nextFrame, 7 * calls);
    }
    // The first frame that reached the time is the 500th, unless frames before it stood still.
    size_t frame = 0;
    while (seen[frame].chaseMilliseconds < wanted)
        ++frame;
    EXPECT_EQ(run.reader->nextFrame, frame + 1);
    EXPECT_EQ(calls, (frame + 1 + 6) / 7);
    EXPECT_TRUE(GhostShip(run)->position == seen[frame].position);
    EXPECT_EQ(run.stopped, "");
}

TEST(GhostRun, RefusesADemoOfOtherShips) {
    const std::string path = testing::TempDir() + "other.demo";
    FlyAndRecord(path, 10);
    ShipType faster = *shipCatalogue.Find("Quessal");
    faster.thrust += 1;
    shipCatalogue.entries["Quessal"] = faster;
    GhostRun run;
    std::string reason;
    EXPECT_FALSE(StartGhostRun(run, path, reason));
    EXPECT_NE(reason.find("Quessal"), std::string::npos) << reason;
    EXPECT_EQ(GhostShip(run), nullptr);
    EXPECT_FALSE(StartGhostRun(run, testing::TempDir() + "no such.demo", reason));
    EXPECT_EQ(GhostShip(run), nullptr);
    LoadDefaultCatalogue();
}
