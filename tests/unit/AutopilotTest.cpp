// A scripted pilot flies the default scenario: chasing, firing and hitting must work together.
#include "Autopilot.h"
#include "Step.h"
#include "StepTestSupport.h"

#include <cstdio>

namespace {

constexpr float FrameSeconds = 1.0f / 60;
constexpr float TimeLimit = 180; // simulated seconds

} // namespace

TEST(Autopilot, ClearsAllTwelveChasersWithTheDefaultShips) {
    ResetDefaultWorld();
    HeldKeys keys;
    float seconds = 0;
    size_t shipCount = world.ships.size();
    while (world.ships.size() > 1 && seconds < TimeLimit) {
        Autopilot(world, keys);
        StepWorld(world, FrameSeconds);
        seconds += FrameSeconds;
        ASSERT_LE(world.ships.size(), shipCount);
        shipCount = world.ships.size();
    }
    std::printf("cleared %d chasers in %.1f simulated seconds\n", 13 - int(shipCount), seconds);
    ASSERT_EQ(world.ships.size(), 1u);
    EXPECT_FALSE(world.ships[0].computerControlled);

    // Alone, the player flies on; every shot still in flight runs out within its 6 seconds.
    keys.ReleaseAll();
    for (int frame = 0; frame < 6.5f / FrameSeconds; ++frame)
        StepWorld(world, FrameSeconds);
    EXPECT_EQ(world.ships.size(), 1u);
    EXPECT_TRUE(world.projectiles.empty());
}
