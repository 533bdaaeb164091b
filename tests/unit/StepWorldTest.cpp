// SPDX-License-Identifier: MIT
// The step over hand-placed worlds: re-sort, wrap-around, windows, targeting, fire and hits.
#include "Autopilot.h"
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>
#include <set>
#include <vector>

namespace {

struct StepWorldTest : testing::Test {
    World w;
    HeldKeys keys;
    StepEvents events;
    void SetUp() override { LoadDefaultCatalogue(); }

    Ship& AddPlayer(Vector2 position, Vector2 velocity = {0, 0}) {
        w.ships.push_back(TestShip(position, false));
        w.ships.back().velocity = velocity;
        return w.ships.back();
    }
    // A chaser that neither moves nor fires unless a test says so.
    Ship& AddChaser(Vector2 position, float distanceToPlayer = 0, Vector2 velocity = {0, 0}) {
        w.ships.push_back(TestShip(position, true, 0));
        w.ships.back().reloadTimer = 1000;
        w.ships.back().distanceToPlayer = distanceToPlayer;
        w.ships.back().velocity = velocity;
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
    // Enough ships that a sort that is not stable would shuffle the equal ones.
    AddPlayer({0, 0});
    const float distances[] = {2, -1, 0, 1, -2, 1};
    const int chaserCount = 60;
    for (int i = 0; i < chaserCount; ++i)
        AddChaser({float(i), 300}, distances[i % 6]);
    StepWorld(w, keys, 0, events);
    ASSERT_EQ(w.ships.size(), size_t(chaserCount + 1));
    // The player, then every chaser at |distance| 0, 1 and 2, each group in its old order.
    std::vector<float> expectedX = {0};
    for (float distance : {0.0f, 1.0f, 2.0f})
        for (int i = 0; i < chaserCount; ++i)
            if (std::fabs(distances[i % 6]) == distance)
                expectedX.push_back(float(i));
    for (int i = 0; i <= chaserCount; ++i)
        EXPECT_EQ(w.ships[i].position.x, expectedX[i]) << i;
}

TEST_F(StepWorldTest, WrapsAShipThatHasPassedAnEdgeAndIsHeadingOut) {
    struct Case {
        const char* what;
        Vector2 position, velocity, expected;
    } cases[] = {
        {"past the right edge", {500.25f, 7}, {2, 0}, {-500.0f, 7}},
        {"exactly on the edge", {500, 7}, {2, 0}, {500.25f, 7}},
        {"past the left edge", {-500.25f, 0}, {-2, 0}, {500.0f, 0}},
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
        StepWorld(w, keys, 0.125f, events);
        EXPECT_EQ(w.ships[0].position, c.expected);
        EXPECT_EQ(w.followedPosition, c.position); // the view follows where the turn began
    }
}

TEST_F(StepWorldTest, ShipsAndShotsAreVisibleStrictlyInsideTheirWindows) {
    struct Case {
        Vector2 offset;
        bool ship, shot;
    } cases[] = {
        {{39.5f, 0}, true, true},       {{40, 0}, true, false},   {{44.5f, 0}, true, false},
        {{45, 0}, false, false},        {{-45, 0}, false, false}, {{-44.5f, 34.5f}, true, false},
        {{-39.5f, -34.5f}, true, true}, {{0, 35}, false, false},  {{10, -35}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset.x << "," << c.offset.y);
        w = World();
        AddPlayer({100, 200});
        AddChaser(Vector2(100, 200) + c.offset);
        AddShot(AimedShot, Vector2(100, 200) + c.offset);
        StepWorld(w, keys, 0, events);
        EXPECT_EQ(w.ships[1].visible, c.ship);
        EXPECT_EQ(w.projectiles.front().visible, c.shot);
    }
}

TEST_F(StepWorldTest, TheWindowJudgesWhereTheShipWasBeforeTheWrapAndTurnRate30SeesAll) {
    AddPlayer({480, 0});
    AddChaser({500.25f, 0}, 0, {1, 0});
    AddChaser({-500.5f, 0}, 0, {-1, 0});
    AddChaser({0, 300}).turnRate = 30;
    AddChaser({0, 300}).turnRate = std::nextafter(30.0f, 31.0f);
    StepWorld(w, keys, 0, events);
    EXPECT_LT(w.ships[1].position.x, 0);   // now far from the player, but seen where it was
    EXPECT_GT(w.ships[2].position.x, 480); // now within the window, but judged where it was
    const bool expected[] = {true, true, false, true, false};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.ships[i].visible, expected[i]) << i;
}

TEST_F(StepWorldTest, AtZeroSecondsNothingMovesButDueChasersAimAndFireFromAfterTheWrap) {
    AddPlayer({30, 0}, {0, 40}).reloadTimer = 0.5f;
    HoldKey(keys, ActionThrust);
    AddChaser({0, 0}).reloadTimer = 0;
    AddChaser({-500.5f, 0}, 0, {-4, 0}).reloadTimer = -1;
    AddChaser({-50, 0}).reloadTimer = 0.4f;
    AddShot(AimedShot, {0, 100}, {10, 10}).lifeLeft = 3;
    StepWorld(w, keys, 0, events);
    EXPECT_EQ(w.ships[0].position, Vector2(30, 0));
    EXPECT_EQ(w.ships[0].velocity, Vector2(0, 40));
    EXPECT_EQ(w.ships[0].reloadTimer, 0.5f);
    EXPECT_EQ(w.ships[1].seekTarget, Vector2(30, 0));
    EXPECT_EQ(w.ships[1].reloadTimer, 1.0f); // fired and reloaded
    EXPECT_EQ(w.ships[2].position, Vector2(500.5f, 0));
    EXPECT_EQ(w.ships[2].distanceToPlayer, 530.5f); // measured before the wrap
    EXPECT_EQ(w.ships[3].reloadTimer, 0.4f);
    ASSERT_EQ(w.projectiles.size(), 3u);
    auto q = w.projectiles.begin();
    EXPECT_EQ(q->position, Vector2(0, 100));
    EXPECT_EQ(q->lifeLeft, 3.0f);
    // The player crossing at (0, 40) from 30 away is met at (30, 40) after one second.
    ++q;
    EXPECT_EQ(q->shotKind, AimedShot);
    EXPECT_NEAR(q->velocity.x, 30, 1e-3);
    EXPECT_NEAR(q->velocity.y, 40, 1e-3);
    EXPECT_EQ((++q)->position, Vector2(500.5f, 0));
}

TEST_F(StepWorldTest, ChasersFireInTheirFirstTurnThePlayerAStepAfterItsRequest) {
    AddPlayer({0, 0}).heading = 90;
    HoldKey(keys, ActionFire);
    AddChaser({300, 0}).reloadTimer = -1.0f;
    // The chaser's timer of 1 runs down by 0.125 a step: shots in steps 1 and 9. The player
    // requests in step 1 and fires in 2; its timer runs down five times faster, by 0.625:
    // request in 4, shot in 5.
    const int straightAfterStep[] = {0, 1, 1, 1, 2, 2, 2, 3, 3};
    const int aimedAfterStep[] = {1, 1, 1, 1, 1, 1, 1, 1, 2};
    for (int i = 0; i < 9; ++i) {
        StepWorld(w, keys, 0.125f, events);
        int straight = 0;
        for (const Projectile& q : w.projectiles)
            straight += q.shotKind == StraightShot;
        EXPECT_EQ(straight, straightAfterStep[i]) << "step " << i + 1;
        EXPECT_EQ(int(w.projectiles.size()) - straight, aimedAfterStep[i]) << "step " << i + 1;
    }
    EXPECT_EQ(w.ships[1].reloadTimer, 0.875f);
}

TEST_F(StepWorldTest, AStraightShotHitsTheFirstChaserInReachThatIsNotNearThePlayer) {
    struct Case {
        const char* what;
        Vector2 first, second, shot;
        int firstHitPoints, secondHitPoints;
    } cases[] = {
        // The first chaser is exactly 6.0 from the player: it cannot be hit.
        {"within reach of both", {6, 0}, {10, 0}, {8, 0}, 10, 9},
        {"within reach of the near one only", {6, 0}, {10, 0}, {4, 0}, 10, 10},
        {"just within reach of the far one", {6, 0}, {10, 0}, {6.25f, 0}, 10, 9},
        {"out of reach", {6, 0}, {10, 0}, {14, 0}, 10, 10},
        {"two in reach", {20, 1}, {20, -1}, {20, 0}, 9, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w = World();
        AddPlayer({0, 0});
        AddChaser(c.first, 1);
        AddChaser(c.second, 2);
        AddShot(StraightShot, c.shot, {1, 0});
        StepWorld(w, keys, 0, events);
        EXPECT_EQ(w.ships[1].hitPoints, c.firstHitPoints);
        EXPECT_EQ(w.ships[2].hitPoints, c.secondHitPoints);
        bool hit = c.firstHitPoints + c.secondHitPoints < 20;
        EXPECT_EQ(w.projectiles.size(), hit ? 0u : 1u);
    }
}

TEST_F(StepWorldTest, AChaserIsErasedOnlyOnceItsHitPointsDropBelowZero) {
    // Ships start with 10: the eleventh hit erases.
    AddPlayer({0, 0});
    AddChaser({-20, 0}, 1).hitPoints = 1;
    AddChaser({20, 0}, 2).hitPoints = 0;
    AddChaser({40, 0}, 3);
    AddShot(StraightShot, {-20, 0});
    AddShot(StraightShot, {20, 0});
    AddShot(StraightShot, {20, 0}); // nothing left to hit: flies on
    StepWorld(w, keys, 0, events);
    ASSERT_EQ(w.ships.size(), 3u);
    EXPECT_EQ(w.ships[1].hitPoints, 0);
    EXPECT_EQ(w.ships[2].position, Vector2(40, 0));
    EXPECT_EQ(w.ships[2].hitPoints, 10);
    EXPECT_EQ(w.projectiles.size(), 1u);
}

TEST_F(StepWorldTest, RemovingShotsNeitherSkipsNorRevisitsTheNextOne) {
    AddPlayer({0, 0});
    AddChaser({20, 0}, 1);
    AddShot(AimedShot, {2.2f, 0});                    // reaches the player: vanishes
    AddShot(StraightShot, {20, 0});                   // hits the chaser
    AddShot(AimedShot, {200, 0}).lifeLeft = 0.25f;    // expires
    AddShot(AimedShot, {20, 2}, {4, 0});              // by the chaser, but aimed: survives
    AddShot(StraightShot, {-300, 0}).lifeLeft = 0.0f; // expires
    AddShot(AimedShot, {0, 2.4f}, {0, 4});            // just out of the player's reach
    AddShot(AimedShot, {0, 1});                       // the last one, reaches the player
    StepWorld(w, keys, 0.5f, events);
    ASSERT_EQ(w.projectiles.size(), 2u);
    // Each survivor moved and aged exactly once.
    EXPECT_EQ(w.projectiles.front().position, Vector2(22, 2));
    EXPECT_EQ(w.projectiles.front().lifeLeft, 5.5f);
    EXPECT_EQ(w.projectiles.back().position, Vector2(0, 4.4f));
    EXPECT_EQ(w.projectiles.back().lifeLeft, 5.5f);
    EXPECT_EQ(w.ships[1].hitPoints, 9);
    EXPECT_EQ(w.ships[0].hitPoints, 10); // the player takes no damage
}

TEST_F(StepWorldTest, WhilePausedTheViewComesToWhereThePlayerIsAndNothingMoves) {
    AddPlayer({0, 0}, {10, 0});
    AddChaser({100, 40}, 100, {0, 3});
    StepWorld(w, keys, 0.5f, events);
    ASSERT_EQ(w.ships[0].position, Vector2(5, 0));
    HoldKey(keys, ActionPause);
    AdvanceWorld(w, keys, 0.5, events);
    EXPECT_EQ(w.followedPosition, Vector2(5, 0)); // not (0, 0), where the last step began
    EXPECT_EQ(w.ships[0].position, Vector2(5, 0));
    EXPECT_EQ(w.ships[1].position, Vector2(100, 41.5f));
}

TEST_F(StepWorldTest, TheEventsOfAPilotedGameAgreeWithTheWorld) {
    ResetDefaultWorld();
    int madeShots = 0, hits = 0, brokenUp = 0, untyped = 0, glows = 0;
    for (int step = 0; step < 60 * 60 && world.ships.size() > 1; ++step) {
        std::set<const Projectile*> before;
        for (const Projectile& q : world.projectiles)
            before.insert(&q);
        events.list.clear();
        StepWorld(world, Autopilot(world), 1.0f / 60, events);
        // Shots are fired before any is removed: a node not there before is a new shot, and the
        // new shots come in the order they were fired.
        std::vector<int32_t> newKinds, firedKinds;
        for (const Projectile& q : world.projectiles)
            if (!before.count(&q))
                newKinds.push_back(q.shotKind);
        for (const StepEvent& e : events.list) {
            hits += e.kind == ChaserHit;
            brokenUp += e.kind == ChaserBrokenUp;
            glows += e.kind == BlueGlow;
            // An aimed shot fired from within 2.3 of the player reaches it in the same step.
            if (e.kind == ShotFired &&
                !(e.shotKind == AimedShot && Length(world.followedPosition - e.position) < 2.3f))
                firedKinds.push_back(e.shotKind);
            untyped += e.kind == ChaserBrokenUp && !e.type;
        }
        ASSERT_EQ(firedKinds, newKinds) << "step " << step;
        madeShots += int(newKinds.size());
    }
    EXPECT_GT(madeShots, 12);
    EXPECT_EQ(brokenUp, 12 - int(world.ships.size() - 1));
    EXPECT_GT(brokenUp, 0);
    EXPECT_EQ(untyped, 0);
    // Every chaser took ten hits it survived before the one that broke it up.
    int hitPointsLost = 10 * brokenUp;
    for (const Ship& s : world.ships)
        hitPointsLost += s.computerControlled ? 10 - s.hitPoints : 0;
    EXPECT_EQ(hits, hitPointsLost);
    EXPECT_GT(glows, 0);
    world = World();
}
