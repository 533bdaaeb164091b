// Thousands of random frames of the default scenario: the world stays finite and consistent.
#include "Autopilot.h"
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>
#include <random>
#include <vector>

namespace {

const int FlightKeys[] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyLeftAlt, KeyLeftCtrl, KeySpace};

bool Finite(Vector2 v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

void ExpectFiniteWorld(const World& w) {
    ASSERT_TRUE(Finite(w.followedPosition));
    ASSERT_TRUE(Finite(w.playerVelocity));
    for (const Ship& s : w.ships) {
        ASSERT_TRUE(Finite(s.position) && Finite(s.velocity) && Finite(s.acceleration));
        ASSERT_TRUE(std::isfinite(s.heading) && std::isfinite(s.distanceToPlayer));
        ASSERT_TRUE(Finite(s.seekTarget) && std::isfinite(s.reloadTimer));
    }
    for (const Projectile& q : w.projectiles) {
        ASSERT_TRUE(Finite(q.position) && Finite(q.velocity));
        ASSERT_TRUE(std::isfinite(q.heading) && std::isfinite(q.lifeLeft));
    }
}

struct Snapshot {
    const Projectile* node;
    float lifeLeft;
};

std::vector<Snapshot> TakeSnapshot(const World& w) {
    std::vector<Snapshot> shots;
    for (const Projectile& q : w.projectiles)
        shots.push_back({&q, q.lifeLeft});
    return shots;
}

// The list after a step is the earlier list less the removed shots, in order, followed by the
// shots fired in the step; every shot still there was updated exactly once, and none that has
// run out of life is left. (Nodes alive across the step keep their addresses, and no new node
// can take the address of one that was alive when the step began.)
void ExpectEachShotVisitedOnce(const std::vector<Snapshot>& before, const World& w, float seconds) {
    size_t next = 0;
    bool firedPart = false;
    for (const Projectile& q : w.projectiles) {
        ASSERT_GE(q.lifeLeft, 0.0f);
        size_t i = next;
        while (i < before.size() && before[i].node != &q)
            ++i;
        if (i == before.size()) {
            firedPart = true;
            ASSERT_EQ(q.lifeLeft, 6.0f - seconds); // fresh, and updated once
            continue;
        }
        ASSERT_FALSE(firedPart) << "an older shot behind a new one";
        ASSERT_EQ(q.lifeLeft, before[i].lifeLeft - seconds);
        next = i + 1;
    }
}

void ExpectOnePlayerFirst(const World& w) {
    ASSERT_FALSE(w.ships.empty());
    ASSERT_FALSE(w.ships[0].computerControlled);
    for (size_t i = 1; i < w.ships.size(); ++i)
        ASSERT_TRUE(w.ships[i].computerControlled);
}

} // namespace

TEST(StepProperty, RandomKeysAndFrameTimesKeepTheWorldSound) {
    HeldKeys keys;
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
            // Stretches of random keys, and stretches of the scripted pilot, which also hits
            // and destroys chasers.
            if (--stepsUntilNewKeys <= 0) {
                for (int key : FlightKeys)
                    keys.Hold(key, uniform(random) < 0.4f);
                piloted = uniform(random) < 0.5f;
                stepsUntilNewKeys = 1 + int(uniform(random) * 60);
            }
            if (piloted)
                Autopilot(world, keys);
            float seconds = 0.5f * std::pow(uniform(random), skew);
            if (step % 97 == 0)
                seconds = 0; // the step must take an empty frame too
            std::vector<Snapshot> before = TakeSnapshot(world);
            lightSlots = LightSlots();
            StepWorld(world, seconds);
            ASSERT_NO_FATAL_FAILURE(ExpectFiniteWorld(world)) << "step " << step;
            ASSERT_NO_FATAL_FAILURE(ExpectOnePlayerFirst(world)) << "step " << step;
            ASSERT_NO_FATAL_FAILURE(ExpectEachShotVisitedOnce(before, world, seconds))
                << "step " << step;
            ASSERT_LE(world.ships.size(), shipCount) << "step " << step;
            shipCount = world.ships.size();
        }
        shipsDestroyed += 13 - int(shipCount);
    }
    EXPECT_GT(shipsDestroyed, 0); // the erasing path was taken along the way
}
