// SPDX-License-Identifier: MIT
// Shots: muzzle velocities, the world's shot model, the fading blue light and expiry.
#include "Projectile.h"
#include "Model.h"
#include "Step.h"
#include "StepTestSupport.h"

#include <cmath>

namespace {

struct ProjectileTest : testing::Test {
    void SetUp() override { LoadDefaultCatalogue(); }
    void TearDown() override { shipCatalogue.Clear(); }
};

Projectile Shot(int32_t kind, Vector2 velocity, float heading = 0, Vector2 target = {50, 0},
                Vector2 targetVelocity = {0, 0}, Model* model = nullptr) {
    Projectile q;
    InitProjectile(q, Vector2(0, 0), heading, velocity, kind, target, targetVelocity, model);
    return q;
}

void ExpectNear(Vector2 actual, Vector2 expected) {
    EXPECT_NEAR(Length(actual - expected), 0, 1e-4) << actual.x << "," << actual.y;
}

} // namespace

TEST_F(ProjectileTest, StraightShotsLeaveAt100AlongTheHeadingAimedOnesLeadTheTarget) {
    struct Case {
        const char* what;
        int32_t kind;
        float heading;
        Vector2 shipVelocity, targetVelocity, expected;
    } cases[] = {
        {"straight at 0", StraightShot, 0, {0, 0}, {}, {100, 0}},
        {"straight at 90 from (10, 0)", StraightShot, 90, {10, 0}, {}, {10, -100}},
        {"straight at 180", StraightShot, 180, {0, 0}, {}, {-100, 0}},
        {"straight at -90 from (0, 5)", StraightShot, -90, {0, 5}, {}, {0, 105}},
        {"straight at 45", StraightShot, 45, {0, 0}, {}, {70.7107f, -70.7107f}},
        // Aimed at a target standing 50 away along x, or moving.
        {"aimed at a standing target", AimedShot, 0, {0, 0}, {0, 0}, {50, 0}},
        {"aimed, both moving at (5, 5)", AimedShot, 0, {5, 5}, {5, 5}, {55, 5}},
        // Relative to the ship the target flees at 60 along the line: both times in the past.
        {"aimed at a fleeing target", AimedShot, 0, {5, 5}, {65, 5}, {4, 4}},
        // Relative to the ship the target crosses at 60: no meeting time.
        {"aimed at a crossing target", AimedShot, 0, {5, 5}, {5, 65}, {6, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Projectile q = Shot(c.kind, c.shipVelocity, c.heading, {50, 0}, c.targetVelocity);
        ExpectNear(q.velocity, c.expected);
        EXPECT_EQ(q.heading, c.heading);
        EXPECT_EQ(q.shotKind, c.kind);
    }
}

TEST_F(ProjectileTest, AimedShotsStayFiniteAtEqualSpeedsAndFromTheTargetsOwnPosition) {
    for (Vector2 target : {Vector2(0, 0), Vector2(100, 0), Vector2(0, -80)})
        for (Vector2 targetVelocity : {Vector2(0, 0), Vector2(50, 0), Vector2(-50, 0),
                                       Vector2(0, 50), Vector2(30, 40), Vector2(80, 0)}) {
            Vector2 v = Shot(AimedShot, {0, 0}, 0, target, targetVelocity).velocity;
            EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y))
                << target.x << "," << target.y << " moving " << targetVelocity.x << ","
                << targetVelocity.y;
        }
}

TEST_F(ProjectileTest, ShotsBorrowTheModelsThatSetUpPlacesInTheWorld) {
    Model* bullet = new MilkshapeModel; // empty: it owns no GL list, so Clear may delete it
    shipCatalogue.entries["Bullet"].model = bullet;
    world = World();
    ASSERT_TRUE(SetUpWorld());
    for (const ShotKindRow& row : ShotKinds)
        EXPECT_EQ(world.shotModels[row.kind], bullet) << row.kind; // every kind's is the Bullet
    EXPECT_EQ(Shot(AimedShot, {0, 0}, 0, {50, 0}, {0, 0}, bullet).model, bullet);
    // The chasers fire in their first turn, with the world's model.
    StepEvents events;
    StepWorld(world, HeldKeys(), 0, events);
    ASSERT_EQ(world.projectiles.size(), 12u);
    for (const Projectile& q : world.projectiles)
        EXPECT_EQ(q.model, bullet);
    world = World();
}

TEST_F(ProjectileTest, StraightShotsGlowBlueWhileYoungAndShotsExpireBelowZeroLifeLeft) {
    const float NoGlow = -1;
    struct Case {
        int32_t kind;
        float lifeLeft, seconds;
        bool expired;
        float blue;
        float ownLife = 0; // the shot's own lifetime, when not its kind's
    } cases[] = {
        // Full blue at 6 s of life left, dark at 5.7: 0.175 / 0.3 and 0.05 / 0.3.
        {StraightShot, 6, 0.125f, false, 7.0f / 12},
        {StraightShot, 5.875f, 0.125f, false, 1.0f / 6},
        // A shot of 8 s of its own fades by its kind's row all the same, not dark at 7.7.
        {StraightShot, 5.875f, 0.125f, false, 1.0f / 6, 8},
        {StraightShot, 7.5f, 0.125f, false, 1, 8}, // and is no brighter than full before that
        {StraightShot, 5.75f, 0.125f, false, NoGlow},
        // Lifetime 6 less 0.3 in single precision still glows, "about 0": the double 5.7 lies
        // above 5.7f; the next float down does not.
        {StraightShot, 5.7f, 0, false, 0},
        {StraightShot, std::nextafter(5.7f, 0.0f), 0, false, NoGlow},
        {AimedShot, 6, 0.01f, false, NoGlow},
        {AimedShot, 0.5f, 0.5f, false, NoGlow},
        {AimedShot, 0.5f, 0.625f, true, NoGlow},
        {AimedShot, 0, 0, false, NoGlow},
        {AimedShot, 6, 6, false, NoGlow},
        {StraightShot, 6, 6.25f, true, NoGlow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.lifeLeft << " less " << c.seconds
                                        << " of " << c.ownLife);
        StepEvents events;
        Projectile q = Shot(c.kind, {0, 0}, 90); // a straight shot flies at (0, -100)
        q.lifeLeft = c.lifeLeft;
        if (c.ownLife > 0)
            q.lifetime = c.ownLife;
        EXPECT_EQ(UpdateProjectile(q, c.seconds, events), c.expired);
        EXPECT_EQ(q.lifeLeft, c.lifeLeft - c.seconds);
        if (c.blue == NoGlow) {
            EXPECT_EQ(events.list.size(), 0u);
            continue;
        }
        ASSERT_EQ(events.list.size(), 1u);
        const StepEvent& glow = events.list[0];
        EXPECT_EQ(glow.kind, BlueGlow);
        EXPECT_NEAR(glow.blue, c.blue, 1e-5);
        // At the position after the move.
        EXPECT_NEAR(Length(glow.position - Vector2(0, -100 * c.seconds)), 0, 1e-4);
    }
}
