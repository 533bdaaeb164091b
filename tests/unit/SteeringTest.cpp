// SPDX-License-Identifier: MIT
#include "Steering.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct InterceptCase {
    const char* what;
    Vector2 target, velocity, expected;
    Vector2 launch = Vector2(0, 0);
    bool exact = false; // the last bit counts
};

void ExpectNear(Vector2 actual, Vector2 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4);
    EXPECT_NEAR(actual.y, expected.y, 1e-4);
}

bool Finite(Vector2 v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

} // namespace

TEST(InterceptVelocity, KnownAnswersAndMarkers) {
    const InterceptCase cases[] = {
        {"target at rest", {100, 0}, {0, 0}, {50, 0}},
        {"faster target crossing at right angles: no time", {100, 0}, {0, 100}, {1, 1}},
        {"faster target flying away: both times past", {100, 0}, {100, 0}, {-1, -1}},
        {"faster target coming at us: earlier time 2/3", {100, 0}, {-100, 0}, {50, 0}},
        {"player standing at 50", {50, 0}, {0, 0}, {50, 0}},
        {"player moving away at 60", {50, 0}, {60, 0}, {-1, -1}},
        {"player crossing at 60", {50, 0}, {0, 60}, {1, 1}},
        // The offset from launch to target is taken in double from the float positions: its float
        // difference would round the last bit of each of these differently.
        {"aimed shot 1",
         {-376.2f, -276.76f},
         {10.19f, 35.82f},
         {-28.2192211f, -41.2756042f},
         {-75.48f, 326.85f},
         true},
        {"aimed shot 2",
         {-109.05f, 371.42f},
         {-33.55f, -4.07f},
         {-11.4296265f, 48.6761093f},
         {-370.66f, -252.39f},
         true},
        {"aimed shot 3",
         {457.73f, -349.08f},
         {-25.9f, -21.44f},
         {-2.62765384f, -49.9309044f},
         {-141.23f, 384.19f},
         true},
    };
    for (const InterceptCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Vector2 v = InterceptVelocity(50, c.launch, c.target, c.velocity);
        if (c.exact) {
            EXPECT_EQ(v.x, c.expected.x);
            EXPECT_EQ(v.y, c.expected.y);
        } else {
            ExpectNear(v, c.expected);
        }
    }
}

TEST(InterceptVelocity, LeadsAMovingTarget) {
    // Target at (30, 0) moving at (0, 40): meets a speed-50 shot at t = 1 at (30, 40).
    ExpectNear(InterceptVelocity(50, Vector2(0, 0), Vector2(30, 0), Vector2(0, 40)), {30, 40});
}

TEST(InterceptVelocity, EqualSpeedsSolveTheLinearCase) {
    // Target at (100, 0) coming at us at speed 50: they meet at t = 1 at (50, 0).
    Vector2 coming = InterceptVelocity(50, Vector2(0, 0), Vector2(100, 0), Vector2(-50, 0));
    ExpectNear(coming, {50, 0});
    // Running away at the same speed: it is never caught, and the only root is in the past.
    Vector2 away = InterceptVelocity(50, Vector2(0, 0), Vector2(100, 0), Vector2(50, 0));
    ExpectNear(away, {-1, -1});
    // Equal speed at right angles: |D + Ct| = st gives t = -|D|^2 / 2(C.D), undefined: no time.
    Vector2 across = InterceptVelocity(50, Vector2(0, 0), Vector2(100, 0), Vector2(0, 50));
    ExpectNear(across, {1, 1});
}

TEST(InterceptVelocity, FromTheTargetsOwnPositionRidesAlong) {
    for (Vector2 velocity : {Vector2(0, 0), Vector2(20, -10), Vector2(50, 0), Vector2(80, 0)}) {
        Vector2 v = InterceptVelocity(50, Vector2(7, 7), Vector2(7, 7), velocity);
        EXPECT_TRUE(Finite(v));
        ExpectNear(v, velocity);
    }
}

TEST(SteerToward, BoundedTurnTowardTheTarget) {
    ExpectNear(SteerToward(Vector2(0, 0), Vector2(0, 0), Vector2(10, 0), 3), {3, 0});
    // Moving at (0, 4): desired (7, 0), change (7, -4), scaled to length 3.
    float k = 3.0f / std::sqrt(65.0f);
    ExpectNear(SteerToward(Vector2(0, 0), Vector2(0, 4), Vector2(10, 0), 3), {7 * k, -4 * k});
    EXPECT_NEAR(Length(SteerToward(Vector2(1, 2), Vector2(-5, 9), Vector2(-40, 3), 7)), 7, 1e-5);
}

TEST(SteerToward, ZeroWhereNoDirectionExists) {
    EXPECT_TRUE(SteerToward(Vector2(5, 5), Vector2(3, 0), Vector2(5, 5), 4) == Vector2(0, 0));
    // Desired equals the velocity when the amount is zero and the ship already heads there.
    EXPECT_TRUE(SteerToward(Vector2(0, 0), Vector2(2, 0), Vector2(9, 0), 0) == Vector2(0, 0));
    // A target so close that the distance underflows in float has no direction either.
    EXPECT_TRUE(SteerToward(Vector2(0, 0), Vector2(2, 0), Vector2(1e-42f, 0), 4) == Vector2(0, 0));
}
