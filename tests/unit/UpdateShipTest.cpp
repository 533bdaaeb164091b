// SPDX-License-Identifier: MIT
// A ship's own turn: a chaser's seek steering, the player's held keys, triggers and reload timers.
#include "Step.h"
#include "StepTestSupport.h"

#include <initializer_list>

TEST(SteerShip, SeeksTheTargetAndFacesItsDirectionOfTravelWhereThereIsOne) {
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
        // Too small to normalise cleanly in single precision: the unit velocity of
        // (3.7433924e-23, 0) comes out a hair longer than 1.
        {"a speck along y", {1e-42f, 0}, {0, 1e-42f}, {0, 0}, 1, {0, 0}, 37},
        {"a speck along x", {1e-42f, 0}, {3.7433924e-23f, 0}, {0, 0}, 1, {0, 0}, 0},
        {"a speck along -x", {1e-42f, 0}, {-3.7433924e-23f, 0}, {0, 0}, 1, {0, 0}, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Ship p = TestShip(c.position, true, 3);
        p.velocity = c.velocity;
        p.heading = 37;
        p.seeking = true;
        p.seekTarget = c.target;
        SteerShip(p, c.seconds);
        EXPECT_NEAR(Length(p.velocity - c.expectedVelocity), 0, 1e-5);
        EXPECT_NEAR(p.heading, c.expectedHeading, 1e-4);
        // After the step the acceleration holds the change just applied.
        EXPECT_NEAR(Length(p.acceleration - (c.expectedVelocity - c.velocity)), 0, 1e-5);
    }
}

TEST(PlayerControl, HeldKeysPushTurnStrafeAndBoost) {
    struct Case {
        const char* what;
        std::initializer_list<HeldAction> keys;
        float heading, seconds;
        Vector2 velocity, expectedVelocity;
        float expectedHeading;
    } cases[] = {
        // thrust 10, turnRate 120
        {"UP at heading 90", {ActionThrust}, 90, 1, {0, 0}, {0, -10}, 90},
        {"DOWN at heading 0", {ActionReverse}, 0, 1, {0, 0}, {-10, 0}, 0},
        {"UP for half a second", {ActionThrust}, 0, 0.5f, {1, 1}, {6, 1}, 0},
        {"strafe left", {ActionStrafe, ActionLeft}, 0, 1, {0, 0}, {0, 10}, 0},
        {"strafe right", {ActionStrafe, ActionRight}, 0, 1, {0, 0}, {0, -10}, 0},
        {"LEFT turns", {ActionLeft}, 0, 0.5f, {1, 2}, {1, 2}, -60},
        {"RIGHT turns", {ActionRight}, 0, 0.5f, {0, 0}, {0, 0}, 60},
        // The turn comes first, so UP pushes along the new heading. Boost turns, never strafes.
        {"turn then thrust", {ActionLeft, ActionThrust}, 120, 1, {0, 0}, {10, 0}, 0},
        {"boost along (3, 4)", {ActionBoost}, 0, 1, {3, 4}, {9, 12}, 0},
        {"boost ignores UP", {ActionBoost, ActionThrust}, 0, 1, {3, 4}, {9, 12}, 0},
        {"boost ignores DOWN", {ActionBoost, ActionReverse}, 0, 1, {3, 4}, {9, 12}, 0},
        {"boost, LALT", {ActionBoost, ActionStrafe, ActionLeft}, 0, 0.5f, {-3, 4}, {-6, 8}, -60},
        {"boost along (0, -2), RIGHT", {ActionBoost, ActionRight}, 45, 0.5f, {0, -2}, {0, -7}, 105},
        {"boost at rest", {ActionBoost}, 20, 1, {0, 0}, {0, 0}, 20},
    };
    HeldKeys keys;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keys = HeldKeys();
        for (HeldAction key : c.keys)
            HoldKey(keys, key);
        Ship p = TestShip({100, 50}, false, 10, 120);
        p.heading = c.heading;
        p.velocity = c.velocity;
        UpdateShip(p, keys, c.seconds);
        EXPECT_NEAR(Length(p.velocity - c.expectedVelocity), 0, 1e-5);
        EXPECT_FLOAT_EQ(p.heading, c.expectedHeading);
        // The ship then moves by its new velocity.
        EXPECT_NEAR(Length(p.position - (Vector2(100, 50) + c.expectedVelocity * c.seconds)), 0,
                    1e-4);
    }
}

TEST(UpdateShip, TriggerAndReloadTimerOfThePlayerAndOfAChaser) {
    struct Case {
        bool computerControlled, space;
        float timer, seconds;
        bool requested;
        float timerAfter;
    } cases[] = {
        {false, true, -1, 0.125f, true, -1},          // below 0 the timer stops running
        {false, true, 0, 0.125f, true, -0.625f},      // at 0 it fires and runs down once more
        {false, true, 0.25f, 0.125f, false, -0.375f}, // the request waits for the next step
        {false, false, -1, 0.125f, false, -1},
        {false, false, 0.5f, 0.125f, false, -0.125f}, // released, the timer still runs down
        {false, true, 0.5f, 0, false, 0.5f},
        // A chaser's timer runs at the plain rate, and the keys never reach it.
        {true, true, 1, 0.25f, false, 0.75f},
        {true, true, 0, 0.25f, false, -0.25f},
        {true, true, -0.25f, 0.25f, false, -0.25f},
    };
    HeldKeys keys;
    HoldKey(keys, ActionThrust);
    HoldKey(keys, ActionLeft);
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        HoldKey(keys, ActionFire, c.space);
        Ship p = TestShip({0, 0}, c.computerControlled, 10, 120);
        p.heading = 33;
        p.reloadTimer = c.timer;
        p.fireRequested = true; // cleared first: an old request was served already
        UpdateShip(p, keys, c.seconds);
        EXPECT_EQ(p.fireRequested, c.requested);
        EXPECT_EQ(p.reloadTimer, c.timerAfter);
        if (c.computerControlled) {
            // Not seeking, at rest: nothing to steer by, and UP and LEFT do nothing.
            EXPECT_EQ(p.velocity, Vector2(0, 0));
            EXPECT_EQ(p.heading, 33.0f);
        }
    }
}
