// Ship making and copying, and the teardown that empties the world and the catalogue.
#include "World.h"

#include "Model.h"
#include "ShipCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int modelsDeleted = 0;

struct FakeModel : Model {
    ~FakeModel() override { ++modelsDeleted; }
    bool load(const char*) override { return false; }
};

void ExpectSameShip(const Ship& a, const Ship& b) {
    EXPECT_EQ(a.position, b.position);
    EXPECT_EQ(a.velocity, b.velocity);
    EXPECT_EQ(a.acceleration, b.acceleration);
    EXPECT_EQ(a.heading, b.heading);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(a.seeking, b.seeking);
    EXPECT_EQ(a.seekTarget, b.seekTarget);
    EXPECT_EQ(a.hitPoints, b.hitPoints);
    EXPECT_EQ(a.fireRequested, b.fireRequested);
    EXPECT_EQ(a.reloadTimer, b.reloadTimer);
    EXPECT_EQ(a.model, b.model);
    EXPECT_EQ(a.computerControlled, b.computerControlled);
    EXPECT_EQ(a.reloadTime, b.reloadTime);
    EXPECT_EQ(a.distanceToPlayer, b.distanceToPlayer);
    EXPECT_EQ(a.thrust, b.thrust);
    EXPECT_EQ(a.turnRate, b.turnRate);
}

TEST(World, MakeShipTakesTypeAndPlaceAndStartsEverythingElse) {
    FakeModel model;
    ShipType type;
    type.thrust = 25;
    type.turnRate = 30;
    type.model = &model;
    Ship ship = MakeShip(type, -25, -5, true);
    Ship expected;
    expected.position = Vector2(-25, -5);
    expected.velocity = Vector2(0, 0);
    expected.acceleration = Vector2(0, 0);
    expected.heading = 0;
    expected.visible = false;
    expected.seeking = false;
    expected.seekTarget = Vector2(0, 0);
    expected.hitPoints = 10;
    expected.fireRequested = false;
    expected.reloadTimer = -1.0f;
    expected.model = &model;
    expected.computerControlled = true;
    expected.reloadTime = 1.0f;
    expected.distanceToPlayer = 0;
    expected.thrust = 25;
    expected.turnRate = 30;
    ExpectSameShip(ship, expected);

    // Later changes to the type do not reach the ship.
    type.thrust = 99;
    EXPECT_EQ(ship.thrust, 25);
}

TEST(World, ShipsCopiedByGrowingSortingAndErasingKeepEveryField) {
    FakeModel model;
    Ship odd;
    odd.position = {1, 2};
    odd.velocity = {3, 4};
    odd.acceleration = {5, 6};
    odd.heading = 7;
    odd.visible = true;
    odd.seeking = true;
    odd.seekTarget = {8, 9};
    odd.hitPoints = -1;
    odd.fireRequested = true;
    odd.reloadTimer = 0.5f;
    odd.model = &model;
    odd.computerControlled = true;
    odd.reloadTime = 2.5f;
    odd.distanceToPlayer = 50;
    odd.thrust = 11;
    odd.turnRate = 12;

    std::vector<Ship> ships(1); // a player at distance 0
    ships.shrink_to_fit();
    ships.push_back(odd); // grows: both copied
    for (int i = 0; i < 40; ++i) {
        Ship near;
        near.distanceToPlayer = float(i % 7);
        ships.push_back(near);
    }
    std::stable_sort(ships.begin(), ships.end(), [](const Ship& a, const Ship& b) {
        return a.distanceToPlayer < b.distanceToPlayer;
    });
    ships.erase(ships.begin() + 1); // closes a gap before it
    ExpectSameShip(ships.back(), odd);
}

TEST(World, TearDownEmptiesEverythingThenClearsTheCatalogue) {
    world = World();
    shipCatalogue.Clear();
    modelsDeleted = 0;
    auto* bulletModel = new FakeModel;
    ShipType bullet;
    bullet.model = bulletModel;
    shipCatalogue.Insert("Bullet", bullet);
    shipCatalogue.Insert("Quessal", ShipType()); // an entry whose model was never made
    world.ships.push_back(MakeShip(bullet, 0, 0, false));
    for (int i = 0; i < 5; ++i) {
        Projectile shot;
        shot.model = bulletModel;
        world.projectiles.push_back(shot);
    }
    world.scenery.push_back(SceneryObject());
    world.stars.push_back(Star());
    world.followedPosition = {3, 4};
    world.playerVelocity = {5, 6};

    TearDownWorld();
    EXPECT_TRUE(world.ships.empty());
    EXPECT_TRUE(world.projectiles.empty());
    EXPECT_TRUE(world.scenery.empty());
    EXPECT_TRUE(world.stars.empty());
    EXPECT_TRUE(shipCatalogue.Empty());
    EXPECT_EQ(modelsDeleted, 1);
    // The two shared values keep their last values.
    EXPECT_EQ(world.followedPosition, Vector2(3, 4));
    EXPECT_EQ(world.playerVelocity, Vector2(5, 6));
}

} // namespace
