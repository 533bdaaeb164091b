// Shots: muzzle velocities, the catalogue's "Bullet" model, the fading blue light and expiry.
#include "Projectile.h"
#include "Model.h"
#include "StepTestSupport.h"

#include <cmath>
#include <string>

namespace {

struct ProjectileTest : testing::Test {
    void SetUp() override {
        LoadDefaultCatalogue();
        lightSlots = LightSlots();
    }
    void TearDown() override { shipCatalogue.Clear(); }
};

Projectile Shot(int32_t kind, Vector2 velocity, float heading = 0, Vector2 target = {50, 0},
                Vector2 targetVelocity = {0, 0}) {
    Projectile q;
    InitProjectile(q, Vector2(0, 0), heading, velocity, kind, target, targetVelocity);
    return q;
}

void ExpectNear(Vector2 actual, Vector2 expected, double tolerance = 1e-4) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

} // namespace

TEST_F(ProjectileTest, StraightShotsLeaveAt100AlongTheHeadingPlusTheShipsVelocity) {
    struct Case {
        float heading;
        Vector2 shipVelocity, expected;
    } cases[] = {
        {0, {0, 0}, {100, 0}},   {90, {10, 0}, {10, -100}},           {180, {0, 0}, {-100, 0}},
        {-90, {0, 5}, {0, 105}}, {45, {0, 0}, {70.7107f, -70.7107f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        Projectile q = Shot(StraightShot, c.shipVelocity, c.heading);
        ExpectNear(q.velocity, c.expected);
        EXPECT_EQ(q.heading, c.heading);
        EXPECT_EQ(q.shotKind, StraightShot);
        EXPECT_EQ(q.lifeLeft, 6.0f);
        EXPECT_EQ(q.lifetime, 6.0f);
        EXPECT_FALSE(q.visible);
    }
}

TEST_F(ProjectileTest, AimedShotsLeadThePlayerOrDriftWithTheShip) {
    struct Case {
        const char* what;
        Vector2 shipVelocity, target, targetVelocity, expected;
    } cases[] = {
        {"player standing at 50", {0, 0}, {50, 0}, {0, 0}, {50, 0}},
        {"ship and player both moving at (5, 5)", {5, 5}, {50, 0}, {5, 5}, {55, 5}},
        // Relative to the ship the player flees at 60 along the line: both times in the past.
        {"player fleeing", {5, 5}, {50, 0}, {65, 5}, {4, 4}},
        // Relative to the ship the player crosses at 60: no meeting time.
        {"player crossing", {5, 5}, {50, 0}, {5, 65}, {6, 6}},
        // A player crossing at (0, 40) from (30, 0) is met at (30, 40) after one second.
        {"player crossing slowly", {0, 0}, {30, 0}, {0, 40}, {30, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Projectile q = Shot(AimedShot, c.shipVelocity, 0, c.target, c.targetVelocity);
        ExpectNear(q.velocity, c.expected);
        EXPECT_EQ(q.shotKind, AimedShot);
    }
}

TEST_F(ProjectileTest, AnAimedShotAtAStandingPlayerMeetsItAfterOneSecond) {
    Projectile q = Shot(AimedShot, {0, 0}, 0, {50, 0});
    EXPECT_FALSE(UpdateProjectile(q, 1.0f));
    ExpectNear(q.position, {50, 0});
}

TEST_F(ProjectileTest, AimedShotsStayFiniteAtEqualSpeedsAndFromTheTargetsOwnPosition) {
    const Vector2 targets[] = {{0, 0}, {100, 0}, {0, -80}};
    const Vector2 targetVelocities[] = {{0, 0}, {50, 0}, {-50, 0}, {0, 50}, {30, 40}, {80, 0}};
    for (Vector2 target : targets)
        for (Vector2 targetVelocity : targetVelocities) {
            Projectile q = Shot(AimedShot, {0, 0}, 0, target, targetVelocity);
            EXPECT_TRUE(std::isfinite(q.velocity.x) && std::isfinite(q.velocity.y))
                << target.x << "," << target.y << " moving " << targetVelocity.x << ","
                << targetVelocity.y;
        }
}

TEST_F(ProjectileTest, ShotsBorrowTheBulletModel) {
    ShipType bullet;
    bullet.model = new MilkshapeModel; // empty: it owns no GL list, so Clear may delete it
    shipCatalogue.Clear();
    shipCatalogue.Insert("Bullet", bullet);
    EXPECT_EQ(Shot(StraightShot, {0, 0}).model, bullet.model);
    EXPECT_EQ(Shot(AimedShot, {0, 0}).model, bullet.model);
}

TEST_F(ProjectileTest, WithoutBulletTheShotHasNoModelAndSaysSo) {
    shipCatalogue.Clear();
    shipCatalogue.Insert("bullet", ShipType()); // the name is case-sensitive
    testing::internal::CaptureStdout();
    Projectile q = Shot(StraightShot, {0, 0});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR: no ship 'Bullet' exists <FATAL>");
    EXPECT_EQ(q.model, nullptr);
    ExpectNear(q.velocity, {100, 0});
}

TEST_F(ProjectileTest, AStraightShotGlowsBlueAndFadesDuringItsFirstThreeTenths) {
    Projectile q = Shot(StraightShot, {0, 0}, 90); // flying at (0, -100)
    // Life left 5.875, 5.75, then 5.625: the third update is past the glow.
    const float expectedBlue[] = {7.0f / 12, 1.0f / 6}; // 0.175 / 0.3 and 0.05 / 0.3
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(UpdateProjectile(q, 0.125f));
    ASSERT_EQ(lightSlots.count, 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(lightSlots.used[i]);
        EXPECT_EQ(lightSlots.colours[i].x, 0.0f);
        EXPECT_EQ(lightSlots.colours[i].y, 0.0f);
        EXPECT_NEAR(lightSlots.colours[i].z, expectedBlue[i], 1e-6);
        // At the position after the move.
        EXPECT_NEAR(lightSlots.positions[i].x, 0, 1e-4);
        EXPECT_NEAR(lightSlots.positions[i].y, -12.5 * (i + 1), 1e-4);
        EXPECT_EQ(lightSlots.positions[i].z, 0.0f);
    }
}

TEST_F(ProjectileTest, TheGlowEndsExactlyWhenLifeLeftFallsBelowLifetimeLessThreeTenths) {
    Projectile q = Shot(StraightShot, {0, 0});
    q.lifeLeft = 5.7f; // lifetime 6 less 0.3, in single precision
    UpdateProjectile(q, 0);
    EXPECT_EQ(lightSlots.count, 1);
    EXPECT_NEAR(lightSlots.colours[0].z, 0, 1e-5); // "about 0": the double 5.7 lies above 5.7f
    q.lifeLeft = std::nextafter(5.7f, 0.0f);
    UpdateProjectile(q, 0);
    EXPECT_EQ(lightSlots.count, 1);
}

TEST_F(ProjectileTest, AimedShotsNeverGlow) {
    Projectile q = Shot(AimedShot, {0, 0});
    UpdateProjectile(q, 0);
    UpdateProjectile(q, 0.01f);
    EXPECT_EQ(lightSlots.count, 0);
}

TEST_F(ProjectileTest, ExpiresOnlyOnceLifeLeftDropsBelowZero) {
    struct Case {
        float lifeLeft, seconds;
        bool expired;
    } cases[] = {
        {0.5f, 0.5f, false}, {0.5f, 0.625f, true}, {0, 0, false}, {6, 6, false}, {6, 6.25f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lifeLeft << " less " << c.seconds);
        Projectile q = Shot(AimedShot, {0, 0});
        q.lifeLeft = c.lifeLeft;
        EXPECT_EQ(UpdateProjectile(q, c.seconds), c.expired);
        EXPECT_EQ(q.lifeLeft, c.lifeLeft - c.seconds);
    }
}
