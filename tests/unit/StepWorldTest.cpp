// The step over hand-placed worlds: re-sort, wrap-around, windows, targeting, fire and hits.
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>
#include <vector>

namespace {

constexpr float NeverReloaded = 1000; // a chaser with this timer does not fire in a test

struct StepWorldTest : testing::Test {
    World w;
    HeldKeys keys;
    void SetUp() override {
        LoadDefaultCatalogue();
        lightSlots = LightSlots();
    }
    void TearDown() override { shipCatalogue.Clear(); }

    Ship& AddPlayer(Vector2 position, Vector2 velocity = {0, 0}) {
        w.ships.push_back(TestShip(position, false));
        w.ships.back().velocity = velocity;
        return w.ships.back();
    }
    // A chaser that neither moves nor fires unless a test says so.
    Ship& AddChaser(Vector2 position, float distanceToPlayer = 0) {
        w.ships.push_back(TestShip(position, true, 0));
        w.ships.back().reloadTimer = NeverReloaded;
        w.ships.back().distanceToPlayer = distanceToPlayer;
        return w.ships.back();
    }
    Projectile& AddShot(int32_t kind, Vector2 position, Vector2 velocity = {0, 0}) {
        Projectile q;
        q.shotKind = kind;
        q.position = position;
        q.velocity = velocity;
        w.projectiles.push_back(q);
        return w.projectiles.back();
    }
};

} // namespace

TEST_F(StepWorldTest, ResortsStablyByTheAbsoluteDistanceOfThePreviousStep) {
    AddPlayer({0, 0});
    const float distances[] = {5, -3, 0, 5, 1, -5};
    for (int i = 0; i < 6; ++i)
        AddChaser({100.0f + i, 0}, distances[i]);
    StepWorld(w, 0);
    // Chasers by their x: 102 (0), 104 (1), 101 (-3), then 100, 103, 105 (all 5 apart) in order.
    const float expectedX[] = {0, 102, 104, 101, 100, 103, 105};
    ASSERT_EQ(w.ships.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w.ships[i].position.x, expectedX[i]) << i;
}

TEST_F(StepWorldTest, ResortKeepsTheOrderOfEqualDistancesAmongManyShips) {
    // Enough ships that a sort that is not stable would shuffle the equal ones.
    AddPlayer({0, 0});
    const float keys[] = {2, -1, 2, 1, -2, 1};
    const int chaserCount = 60;
    for (int i = 0; i < chaserCount; ++i)
        AddChaser({float(i), 300}, keys[i % 6]);
    StepWorld(w, 0);
    ASSERT_EQ(w.ships.size(), size_t(chaserCount + 1));
    // Every |key| 1 chaser comes first, then every |key| 2 chaser, each group in its old order.
    std::vector<float> expectedX;
    for (float key : {1.0f, 2.0f})
        for (int i = 0; i < chaserCount; ++i)
            if (std::fabs(keys[i % 6]) == key)
                expectedX.push_back(float(i));
    for (int i = 0; i < chaserCount; ++i)
        EXPECT_EQ(w.ships[i + 1].position.x, expectedX[i]) << i;
}

TEST_F(StepWorldTest, WrapsAShipThatHasPassedAnEdgeAndIsHeadingOut) {
    struct Case {
        const char* what;
        Vector2 position, velocity, expected;
    } cases[] = {
        {"past the right edge", {500.25f, 7}, {2, 0}, {-500.0f, 7}},
        {"exactly on the edge", {500, 7}, {2, 0}, {500.25f, 7}},
        {"past the left edge", {-500.25f, 0}, {-2, 0}, {500.0f, 0}},
        {"past the bottom edge", {3, -600}, {0, -8}, {3, 599}},
        {"past a corner", {510, 520}, {8, 8}, {-509, -519}},
        {"inside", {-499.75f, 499.75f}, {-2, 2}, {-500, 500}},
        // Coming back in after a wrap: mirroring it again would throw it back out.
        {"outside and heading in", {-500.25f, 0}, {2, 0}, {-500.0f, 0}},
        {"outside at rest", {600, -600}, {0, 0}, {600, -600}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w = World();
        AddPlayer(c.position, c.velocity);
        StepWorld(w, 0.125f);
        EXPECT_EQ(w.ships[0].position, c.expected);
        EXPECT_EQ(w.ships[0].velocity, c.velocity);
        // The view follows where the ship was when its turn began.
        EXPECT_EQ(w.followedPosition, c.position);
    }
}

TEST_F(StepWorldTest, AShipCarriedFarOutByALongFrameComesBackInAfterOneWrap) {
    AddPlayer({490, 0}, {100, 0});
    StepWorld(w, 0.5f); // lands at 540
    float previous = w.ships[0].position.x;
    for (int frame = 0; frame < 60; ++frame) {
        StepWorld(w, 1.0f / 60);
        float x = w.ships[0].position.x;
        if (frame > 0) {
            EXPECT_GT(x, previous) << frame; // steadily on its way, never thrown back
        }
        previous = x;
    }
    EXPECT_GT(previous, -500.0f);
    EXPECT_LT(previous, -400.0f);
}

TEST_F(StepWorldTest, ShipsAreVisibleStrictlyInsideTheirWindowRoundThePlayer) {
    struct Case {
        Vector2 offset;
        bool visible;
    } cases[] = {
        {{0, 0}, true},          {{44.5f, 0}, true}, {{45, 0}, false},  {{-45, 0}, false},
        {{-44.5f, 34.5f}, true}, {{0, 35}, false},   {{0, -35}, false}, {{10, -34.5f}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset.x << "," << c.offset.y);
        w = World();
        AddPlayer({100, 200});
        AddChaser(Vector2(100, 200) + c.offset);
        StepWorld(w, 0);
        EXPECT_EQ(w.ships[1].visible, c.visible);
    }
}

TEST_F(StepWorldTest, TheWindowJudgesTheShipWhereItWasBeforeTheWrap) {
    AddPlayer({480, 0});
    Ship& wrapped = AddChaser({500.25f, 0});
    wrapped.velocity = Vector2(1, 0);
    Ship& wrappedIn = AddChaser({-500.5f, 0});
    wrappedIn.velocity = Vector2(-1, 0);
    StepWorld(w, 0);
    EXPECT_LT(w.ships[1].position.x, 0); // now far from the player, but seen where it was
    EXPECT_TRUE(w.ships[1].visible);
    EXPECT_GT(w.ships[2].position.x, 480); // now within the window, but judged where it was
    EXPECT_FALSE(w.ships[2].visible);
}

TEST_F(StepWorldTest, AChaserTurningAtExactly30IsVisibleEverywhere) {
    AddPlayer({0, 0});
    AddChaser({300, 300}).turnRate = 30;
    AddChaser({300, 300}).turnRate = std::nextafter(30.0f, 31.0f);
    StepWorld(w, 0);
    EXPECT_TRUE(w.ships[1].visible);
    EXPECT_FALSE(w.ships[2].visible);
}

TEST_F(StepWorldTest, ChasersTargetThePlayerAndFireFromWhereTheyAreAfterTheWrap) {
    AddPlayer({10, 20}, {0, 3});
    Ship& near = AddChaser({13, 24});
    near.reloadTimer = -1;
    Ship& edge = AddChaser({-500.5f, 20});
    edge.velocity = Vector2(-4, 0);
    edge.reloadTimer = 0;
    StepWorld(w, 0);
    EXPECT_EQ(w.ships[1].distanceToPlayer, 5.0f);
    EXPECT_EQ(w.ships[1].seekTarget, Vector2(10, 20));
    EXPECT_TRUE(w.ships[1].seeking);
    EXPECT_EQ(w.ships[1].reloadTimer, 1.0f);
    EXPECT_EQ(w.ships[2].distanceToPlayer, 510.5f); // measured before the wrap
    ASSERT_EQ(w.projectiles.size(), 2u);
    for (const Projectile& q : w.projectiles)
        EXPECT_EQ(q.shotKind, AimedShot);
    EXPECT_EQ(w.projectiles.front().position, Vector2(13, 24));
    EXPECT_EQ(w.projectiles.back().position, Vector2(500.5f, 20));
    // Aimed at the player standing 5 away and moving at (0, 3): the shot moves at speed 50
    // relative to its ship, which stands still, and leads the player upward.
    Vector2 v = w.projectiles.front().velocity;
    EXPECT_NEAR(Length(v), 50, 1e-3);
    EXPECT_LT(v.x, 0);
    EXPECT_LT(v.y, -50 * 0.8f + 3);
}

TEST_F(StepWorldTest, AChaserFiresInItsFirstTurnAndThenOnceItsSecondHasRunDown) {
    AddPlayer({0, 0});
    AddChaser({300, 0}).reloadTimer = -1.0f;
    const size_t shotsAfterStep[] = {1, 1, 1, 1, 2, 2, 2, 2, 3};
    for (size_t expected : shotsAfterStep) {
        StepWorld(w, 0.25f);
        EXPECT_EQ(w.projectiles.size(), expected);
    }
    EXPECT_EQ(w.ships[1].reloadTimer, 0.75f);
}

TEST_F(StepWorldTest, ThePlayerFiresAStepAfterTheRequestAndReloadsFiveTimesFaster) {
    AddPlayer({0, 0});
    w.ships[0].heading = 90;
    keys.Hold(KeySpace);
    // Request in step 1, shot in 2; timer 1 runs down by 0.625 a step: request in 4, shot in 5.
    const size_t shotsAfterStep[] = {0, 1, 1, 1, 2, 2, 2, 3};
    for (size_t expected : shotsAfterStep) {
        StepWorld(w, 0.125f);
        EXPECT_EQ(w.projectiles.size(), expected);
    }
    const Projectile& q = w.projectiles.front();
    EXPECT_EQ(q.shotKind, StraightShot);
    EXPECT_EQ(q.heading, 90.0f);
    EXPECT_NEAR(q.velocity.y, -100, 1e-4);
}

TEST_F(StepWorldTest, AReleasedTriggerLetsTheTimerRunOutForTheNextPress) {
    AddPlayer({0, 0});
    keys.Hold(KeySpace);
    StepWorld(w, 0.125f);
    StepWorld(w, 0.125f); // the shot leaves, the timer reloads to 1 and drops to 0.375
    keys.Hold(KeySpace, false);
    for (int i = 0; i < 3; ++i)
        StepWorld(w, 0.125f);
    EXPECT_EQ(w.ships[0].reloadTimer, -0.25f);
    keys.Hold(KeySpace);
    StepWorld(w, 0.125f);
    EXPECT_TRUE(w.ships[0].fireRequested);
    StepWorld(w, 0.125f);
    EXPECT_EQ(w.projectiles.size(), 2u);
}

TEST_F(StepWorldTest, WithZeroSecondsNothingMovesButDueShipsStillFire) {
    AddPlayer({1, 2}, {5, 5}).reloadTimer = 0.5f;
    keys.Hold(KeyUp);
    Ship& due = AddChaser({50, 0});
    due.velocity = Vector2(3, 0);
    due.reloadTimer = 0;
    AddChaser({-50, 0}).reloadTimer = 0.4f;
    AddShot(AimedShot, {0, 100}, {10, 10}).lifeLeft = 3;
    StepWorld(w, 0);
    EXPECT_EQ(w.ships[0].position, Vector2(1, 2));
    EXPECT_EQ(w.ships[0].velocity, Vector2(5, 5));
    EXPECT_EQ(w.ships[0].reloadTimer, 0.5f);
    EXPECT_EQ(w.ships[1].position, Vector2(50, 0));
    EXPECT_EQ(w.ships[1].velocity, Vector2(3, 0));
    EXPECT_EQ(w.ships[1].reloadTimer, 1.0f); // fired and reloaded
    EXPECT_EQ(w.ships[2].reloadTimer, 0.4f);
    ASSERT_EQ(w.projectiles.size(), 2u);
    EXPECT_EQ(w.projectiles.front().position, Vector2(0, 100));
    EXPECT_EQ(w.projectiles.front().lifeLeft, 3.0f);
    EXPECT_EQ(w.projectiles.back().position, Vector2(50, 0));
}

TEST_F(StepWorldTest, AStraightShotPassesChasersNearThePlayerAndHitsTheNextOne) {
    struct Case {
        const char* what;
        Vector2 shot;
        int hitChaser; // 1 or 2, or 0 for none
    } cases[] = {
        // Chaser 1 at (6, 0) is exactly 6.0 from the player: it cannot be hit.
        {"within reach of both", {8, 0}, 2},
        {"within reach of the near one only", {4, 0}, 0},
        {"out of reach", {14, 0}, 0},
        {"just within reach of the far one", {6.25f, 0}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w = World();
        AddPlayer({0, 0});
        AddChaser({6, 0}, 1);
        AddChaser({10, 0}, 2);
        AddShot(StraightShot, c.shot, {1, 0});
        StepWorld(w, 0);
        EXPECT_EQ(w.ships[1].hitPoints, 10);
        EXPECT_EQ(w.ships[2].hitPoints, c.hitChaser == 2 ? 9 : 10);
        EXPECT_EQ(w.projectiles.size(), c.hitChaser ? 0u : 1u);
    }
}

TEST_F(StepWorldTest, OnlyTheFirstOfTwoChasersInReachIsHit) {
    AddPlayer({0, 0});
    AddChaser({20, 1}, 1);
    AddChaser({20, -1}, 2);
    AddShot(StraightShot, {20, 0});
    StepWorld(w, 0);
    EXPECT_EQ(w.ships[1].hitPoints, 9);
    EXPECT_EQ(w.ships[2].hitPoints, 10);
    EXPECT_TRUE(w.projectiles.empty());
}

TEST_F(StepWorldTest, AChaserTakesTenHitsAndIsErasedOnTheEleventh) {
    AddPlayer({0, 0});
    AddChaser({-20, 0}, 1);
    AddChaser({20, 0}, 2);
    AddChaser({40, 0}, 3);
    for (int i = 0; i < 10; ++i)
        AddShot(StraightShot, {20, 0});
    StepWorld(w, 0);
    ASSERT_EQ(w.ships.size(), 4u);
    EXPECT_EQ(w.ships[2].hitPoints, 0);
    EXPECT_TRUE(w.projectiles.empty());

    AddShot(StraightShot, {20, 0});
    AddShot(StraightShot, {20, 0}); // nothing left to hit: flies on
    StepWorld(w, 0);
    ASSERT_EQ(w.ships.size(), 3u);
    EXPECT_EQ(w.ships[1].position, Vector2(-20, 0));
    EXPECT_EQ(w.ships[2].position, Vector2(40, 0));
    EXPECT_EQ(w.projectiles.size(), 1u);
}

TEST_F(StepWorldTest, AnAimedShotVanishesWithin23OfThePlayerAndDoesNothingElse) {
    AddPlayer({10, 10}, {1, 1});
    AddChaser({10, 15}, 1); // a chaser by the shot is no target for an aimed shot
    AddShot(AimedShot, {12.2f, 10});
    AddShot(AimedShot, {10, 12.4f});
    StepWorld(w, 0);
    ASSERT_EQ(w.projectiles.size(), 1u);
    EXPECT_EQ(w.projectiles.front().position, Vector2(10, 12.4f));
    EXPECT_EQ(w.ships[0].velocity, Vector2(1, 1));
    EXPECT_EQ(w.ships[1].hitPoints, 10);
}

TEST_F(StepWorldTest, RemovingShotsNeitherSkipsNorRevisitsTheNextOne) {
    AddPlayer({0, 0});
    AddChaser({20, 0}, 1);
    AddShot(AimedShot, {1, 0});                       // reaches the player
    AddShot(StraightShot, {20, 0});                   // hits the chaser
    AddShot(AimedShot, {200, 0}).lifeLeft = 0.25f;    // expires
    AddShot(AimedShot, {300, 0}, {4, 0});             // survives
    AddShot(StraightShot, {-300, 0}).lifeLeft = 0.0f; // expires
    AddShot(AimedShot, {300, 100}, {0, 4});           // survives
    AddShot(AimedShot, {0, 1});                       // the last one, reaches the player
    StepWorld(w, 0.5f);
    ASSERT_EQ(w.projectiles.size(), 2u);
    // Each survivor moved and aged exactly once.
    EXPECT_EQ(w.projectiles.front().position, Vector2(302, 0));
    EXPECT_EQ(w.projectiles.front().lifeLeft, 5.5f);
    EXPECT_EQ(w.projectiles.back().position, Vector2(300, 102));
    EXPECT_EQ(w.projectiles.back().lifeLeft, 5.5f);
    EXPECT_EQ(w.ships[1].hitPoints, 9);
}

TEST_F(StepWorldTest, ProjectilesAreVisibleStrictlyInsideTheirWindow) {
    AddPlayer({100, 100});
    const Vector2 offsets[] = {{39.5f, 0}, {40, 0}, {0, -34.5f}, {0, -35}};
    for (Vector2 offset : offsets)
        AddShot(AimedShot, Vector2(100, 100) + offset);
    StepWorld(w, 0);
    const bool expected[] = {true, false, true, false};
    int i = 0;
    for (const Projectile& q : w.projectiles)
        EXPECT_EQ(q.visible, expected[i++]);
}

TEST_F(StepWorldTest, WithoutChasersThePlayersShotsFlyOutTheirLifetime) {
    AddPlayer({0, 0});
    AddShot(StraightShot, {0, 0}, {100, 0});
    StepWorld(w, 3);
    StepWorld(w, 3);
    EXPECT_EQ(w.projectiles.size(), 1u);
    StepWorld(w, 0.125f);
    EXPECT_TRUE(w.projectiles.empty());
    EXPECT_EQ(w.ships.size(), 1u);
}
