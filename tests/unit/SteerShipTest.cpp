// A chaser's own update: seek steering, the heading from the velocity, the reload timer.
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>

TEST(SteerShip, SeeksTheTargetAndFacesItsDirectionOfTravel) {
    struct Case {
        const char* what;
        Vector2 position, velocity, target;
        float seconds;
        Vector2 expectedVelocity;
        float expectedHeading;
    } cases[] = {
        // At rest there is no direction of travel: the heading stays.
        {"from rest", {0, 0}, {0, 0}, {10, 0}, 1, {3, 0}, 37},
        {"from rest for half a second", {5, 5}, {0, 0}, {5, -5}, 0.5f, {0, -1.5f}, 37},
        // Normalized((7, 0) - (0, 4)) * 3 = (21, -12) / sqrt(65); moving along +y faces -90.
        {"turning", {0, 0}, {0, 4}, {10, 0}, 1, {2.604729f, 2.511583f}, -90},
        {"moving along -x", {0, 0}, {-2, 0}, {-10, 0}, 1, {-5, 0}, 180},
        {"moving along (1, -1)", {0, 0}, {1, -1}, {10, -10}, 0, {1, -1}, 45},
        {"on the target", {4, 4}, {1, 0}, {4, 4}, 1, {1, 0}, 0},
        {"at rest on the target", {4, 4}, {0, 0}, {4, 4}, 1, {0, 0}, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Ship p = TestShip(c.position, true, 3);
        p.velocity = c.velocity;
        p.heading = 37;
        p.seeking = true;
        p.seekTarget = c.target;
        SteerShip(p, c.seconds);
        EXPECT_NEAR(p.velocity.x, c.expectedVelocity.x, 1e-5);
        EXPECT_NEAR(p.velocity.y, c.expectedVelocity.y, 1e-5);
        EXPECT_NEAR(p.heading, c.expectedHeading, 1e-4);
        // After the step the acceleration holds the change just applied.
        EXPECT_NEAR(p.acceleration.x, c.expectedVelocity.x - c.velocity.x, 1e-5);
        EXPECT_NEAR(p.acceleration.y, c.expectedVelocity.y - c.velocity.y, 1e-5);
    }
}

TEST(SteerShip, StaysFiniteWhereNoDirectionCanBeTold) {
    // Distances and speeds too small to normalise cleanly in single precision: the unit
    // velocity of (3.7433924e-23, 0) comes out a hair longer than 1.
    struct Case {
        Vector2 velocity;
        float expectedHeading;
    } cases[] = {
        {{0, 1e-42f}, 12}, {{3.7433924e-23f, 0}, 0}, {{-3.7433924e-23f, 0}, 180}, {{0, 0}, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.velocity.x << "," << c.velocity.y);
        Ship p = TestShip({1e-42f, 0}, true, 3);
        p.velocity = c.velocity;
        p.heading = 12;
        p.seeking = true;
        p.seekTarget = Vector2(0, 0);
        SteerShip(p, 1);
        EXPECT_TRUE(std::isfinite(p.acceleration.x) && std::isfinite(p.acceleration.y));
        EXPECT_TRUE(std::isfinite(p.velocity.x) && std::isfinite(p.velocity.y));
        EXPECT_NEAR(p.heading, c.expectedHeading, 1e-4);
    }
}

TEST(UpdateShip, AChasersReloadTimerRunsDownUntilBelowZero) {
    struct Case {
        float timer, seconds, expected;
    } cases[] = {{1, 0.25f, 0.75f}, {0, 0.25f, -0.25f}, {-0.25f, 0.25f, -0.25f}, {0.5f, 0, 0.5f}};
    for (const Case& c : cases) {
        Ship p = TestShip({0, 0}, true);
        p.reloadTimer = c.timer;
        UpdateShip(p, c.seconds);
        EXPECT_EQ(p.reloadTimer, c.expected) << c.timer << " less " << c.seconds;
    }
}
