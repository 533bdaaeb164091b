// The player's ship under held keys: thrust, turn, strafe, boost, and the order they act in.
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>
#include <initializer_list>

namespace {

struct KeyCase {
    const char* what;
    std::initializer_list<int> keys;
    float heading, seconds;
    Vector2 velocity;
    Vector2 expectedVelocity;
    float expectedHeading;
};

// thrust 10, turnRate 120
const KeyCase keyCases[] = {
    {"UP at heading 0", {KeyUp}, 0, 1, {0, 0}, {10, 0}, 0},
    {"UP at heading 90", {KeyUp}, 90, 1, {0, 0}, {0, -10}, 90},
    {"DOWN at heading 0", {KeyDown}, 0, 1, {0, 0}, {-10, 0}, 0},
    {"UP and DOWN cancel", {KeyUp, KeyDown}, 30, 1, {2, 3}, {2, 3}, 30},
    {"UP for half a second", {KeyUp}, 0, 0.5f, {1, 1}, {6, 1}, 0},
    {"strafe left", {KeyLeftAlt, KeyLeft}, 0, 1, {0, 0}, {0, 10}, 0},
    {"strafe right", {KeyLeftAlt, KeyRight}, 0, 1, {0, 0}, {0, -10}, 0},
    {"strafe both ways cancels", {KeyLeftAlt, KeyLeft, KeyRight}, 0, 1, {0, 0}, {0, 0}, 0},
    {"LALT alone does nothing", {KeyLeftAlt}, 0, 1, {1, 2}, {1, 2}, 0},
    {"LEFT turns", {KeyLeft}, 0, 0.5f, {1, 2}, {1, 2}, -60},
    {"RIGHT turns", {KeyRight}, 0, 0.5f, {0, 0}, {0, 0}, 60},
    {"LEFT and RIGHT cancel", {KeyLeft, KeyRight}, 10, 0.5f, {0, 0}, {0, 0}, 10},
    {"headings are not wrapped", {KeyRight}, 350, 1, {0, 0}, {0, 0}, 470},
    // The turn comes first, so UP pushes along the new heading.
    {"turn then thrust", {KeyLeft, KeyUp}, 120, 1, {0, 0}, {10, 0}, 0},
    {"boost along (3, 4)", {KeyLeftCtrl}, 0, 1, {3, 4}, {9, 12}, 0},
    {"boost ignores UP and DOWN", {KeyLeftCtrl, KeyUp}, 0, 1, {3, 4}, {9, 12}, 0},
    {"boost ignores DOWN", {KeyLeftCtrl, KeyDown}, 0, 1, {3, 4}, {9, 12}, 0},
    {"boost turns instead of strafing",
     {KeyLeftCtrl, KeyLeftAlt, KeyLeft},
     0,
     0.5f,
     {-3, 4},
     {-6, 8},
     -60},
    {"boost along (0, -2) with RIGHT", {KeyLeftCtrl, KeyRight}, 45, 0.5f, {0, -2}, {0, -7}, 105},
    {"boost at rest leaves the velocity", {KeyLeftCtrl}, 20, 1, {0, 0}, {0, 0}, 20},
};

} // namespace

TEST(PlayerControl, HeldKeysPushTurnStrafeAndBoost) {
    HeldKeys keys;
    for (const KeyCase& c : keyCases) {
        SCOPED_TRACE(c.what);
        keys.ReleaseAll();
        for (int key : c.keys)
            keys.Hold(key);
        Ship p = TestShip({100, 50}, false, 10, 120);
        p.heading = c.heading;
        p.velocity = c.velocity;
        UpdateShip(p, c.seconds);
        EXPECT_NEAR(p.velocity.x, c.expectedVelocity.x, 1e-5);
        EXPECT_NEAR(p.velocity.y, c.expectedVelocity.y, 1e-5);
        EXPECT_FLOAT_EQ(p.heading, c.expectedHeading);
        // The ship then moves by its new velocity.
        EXPECT_NEAR(p.position.x, 100 + c.expectedVelocity.x * c.seconds, 1e-4);
        EXPECT_NEAR(p.position.y, 50 + c.expectedVelocity.y * c.seconds, 1e-4);
        EXPECT_FALSE(p.fireRequested);
    }
}

TEST(PlayerControl, SpaceRequestsAShotOnlyWhenReloaded) {
    HeldKeys keys;
    struct Case {
        bool space;
        float timer, seconds;
        bool requested;
        float timerAfter;
    } cases[] = {
        {true, -1, 0.125f, true, -1},          // below 0 the timer stops running
        {true, 0, 0.125f, true, -0.625f},      // at 0 it fires and still runs down once
        {true, 0.25f, 0.125f, false, -0.375f}, // the request waits for the next step
        {false, -1, 0.125f, false, -1},
        {false, 0.5f, 0.125f, false, -0.125f}, // released, the timer still runs down
        {true, 0.5f, 0, false, 0.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.space << " " << c.timer << " " << c.seconds);
        keys.Hold(KeySpace, c.space);
        Ship p = TestShip({0, 0}, false);
        p.reloadTimer = c.timer;
        p.fireRequested = true; // cleared first: an old request was served already
        UpdateShip(p, c.seconds);
        EXPECT_EQ(p.fireRequested, c.requested);
        EXPECT_EQ(p.reloadTimer, c.timerAfter);
    }
}

TEST(PlayerControl, TheKeysActOnlyOnThePlayersShip) {
    HeldKeys keys;
    keys.Hold(KeyUp);
    keys.Hold(KeyLeft);
    keys.Hold(KeySpace);
    Ship chaser = TestShip({0, 0}, true, 10, 120);
    chaser.heading = 33;
    chaser.reloadTimer = 0.5f;
    UpdateShip(chaser, 1);
    // Not seeking yet, no velocity: a chaser has nothing to steer by and keeps its heading.
    EXPECT_EQ(chaser.velocity, Vector2(0, 0));
    EXPECT_EQ(chaser.heading, 33.0f);
    EXPECT_FALSE(chaser.fireRequested);
    EXPECT_EQ(chaser.reloadTimer, -0.5f);
}
