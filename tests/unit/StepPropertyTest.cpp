// SPDX-License-Identifier: MIT
// The default scenario flown for thousands of frames, by random keys and by a scripted pilot.
#include "Autopilot.h"
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

bool Finite(Vector2 v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

using Snapshot = std::vector<std::pair<const Projectile*, float>>; // each node and its life left

// Finite values throughout, and the player's ship first and the only one not computer-run. The
// shot list after a step is the earlier list less the removed shots, in order, followed by the
// shots fired in the step; every shot still there was updated exactly once, and none that has
// run out of life is left. (Nodes alive across the step keep their addresses, and no new node
// can take the address of one that was alive when the step began.)
void ExpectSoundWorld(const Snapshot& before, const World& w, float seconds) {
    ASSERT_TRUE(Finite(w.followedPosition) && Finite(w.playerVelocity));
    ASSERT_FALSE(w.ships.empty());
    for (const Ship& s : w.ships) {
        ASSERT_EQ(s.computerControlled, &s != &w.ships[0]);
        ASSERT_TRUE(Finite(s.position) && Finite(s.velocity) && Finite(s.acceleration));
        ASSERT_TRUE(Finite(s.seekTarget) && std::isfinite(s.heading) &&
                    std::isfinite(s.distanceToPlayer) && std::isfinite(s.reloadTimer));
    }
    size_t next = 0;
    bool firedPart = false;
    for (const Projectile& q : w.projectiles) {
        ASSERT_TRUE(Finite(q.position) && Finite(q.velocity) && std::isfinite(q.heading));
        ASSERT_GE(q.lifeLeft, 0.0f);
        size_t i = next;
        while (i < before.size() && before[i].first != &q)
            ++i;
        if (i == before.size()) {
            firedPart = true;
            ASSERT_EQ(q.lifeLeft, 6.0f - seconds); // fresh, and updated once
            continue;
        }
        ASSERT_FALSE(firedPart) << "an older shot behind a new one";
        ASSERT_EQ(q.lifeLeft, before[i].second - seconds);
        next = i + 1;
    }
}

} // namespace

TEST(StepProperty, RandomKeysAndFrameTimesKeepTheWorldSound) {
    const HeldAction flightKeys[] = {ActionThrust, ActionReverse, ActionLeft, ActionRight,
                                     ActionStrafe, ActionBoost,   ActionFire};
    HeldKeys keys;
    StepEvents events;
    int shipsDestroyed = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ResetDefaultWorld();
        // Even seeds start every chaser on its last hit point: each hit then erases a ship.
        if (seed % 2 == 0)
            for (Ship& s : world.ships)
                s.hitPoints = 0;
        std::mt19937 random(seed);
        std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
        // Frame times in [0, 0.5]: uniform for odd seeds, mostly short for even ones, so that
        // shots also meet chasers instead of jumping past them.
        float skew = seed % 2 ? 1.0f : 3.0f;
        size_t shipCount = world.ships.size();
        int stepsUntilNewKeys = 0;
        bool piloted = false;
        for (int step = 0; step < 4000; ++step) {
            SCOPED_TRACE(testing::Message() << "step " << step);
            // Stretches of random keys, and stretches of the pilot, which also destroys chasers.
            if (--stepsUntilNewKeys <= 0) {
                for (HeldAction key : flightKeys)
                    HoldKey(keys, key, uniform(random) < 0.4f);
                piloted = uniform(random) < 0.5f;
                stepsUntilNewKeys = 1 + int(uniform(random) * 60);
            }
            if (piloted)
                keys = Autopilot(world);
            float seconds = step % 97 ? 0.5f * std::pow(uniform(random), skew) : 0.0f;
            Snapshot before;
            for (const Projectile& q : world.projectiles)
                before.push_back({&q, q.lifeLeft});
            events.list.clear();
            StepWorld(world, keys, seconds, events);
            ASSERT_NO_FATAL_FAILURE(ExpectSoundWorld(before, world, seconds));
            ASSERT_LE(world.ships.size(), shipCount);
            shipCount = world.ships.size();
        }
        shipsDestroyed += 13 - int(shipCount);
    }
    EXPECT_GT(shipsDestroyed, 0); // the erasing path was taken along the way
}

TEST(Autopilot, ClearsAllTwelveChasersWithTheDefaultShips) {
    const float frameSeconds = 1.0f / 60, timeLimit = 180; // simulated seconds
    ResetDefaultWorld();
    StepEvents events;
    float seconds = 0;
    while (world.ships.size() > 1 && seconds < timeLimit) {
        events.list.clear();
        StepWorld(world, Autopilot(world), frameSeconds, events);
        seconds += frameSeconds;
    }
    std::printf("cleared %d chasers in %.1f simulated seconds\n", 13 - int(world.ships.size()),
                seconds);
    EXPECT_EQ(world.ships.size(), 1u);
}
