// SPDX-License-Identifier: MIT
// The world's life: the opening scene, each missing type's line, the stars, and the teardown.
#include "SetUpWorld.h"

#include "Model.h"
#include "RandomGenerator.h"
#include "ShipCatalogue.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

int modelsDeleted = 0;

struct FakeModel : Model {
    ~FakeModel() override { ++modelsDeleted; }
    bool load(const char*) override { return false; }
};

// Each type gets its own thrust (its place in the scenario's order, from 1) to tell ships apart.
// Only the player's and the shots' types have a model.
void FillCatalogue(const std::string& except = "") {
    shipCatalogue.Clear();
    float thrust = 1;
    for (std::string name : {"brightfin", "Tarvesh4", "Quessal", "Maradyne", "Umbrek", "Bullet"}) {
        ShipType type;
        type.thrust = thrust++;
        type.turnRate = 10 * type.thrust;
        if (name == except)
            continue;
        if (name == "brightfin" || name == "Bullet")
            type.model = new FakeModel;
        shipCatalogue.Insert(name, type);
    }
}

struct WorldTest : testing::Test {
    bool result = false;
    void SetUp() override { world = World(); }
    void TearDown() override {
        world = World();
        shipCatalogue.Clear();
    }
    // Runs SetUpWorld, keeping its result, and gives what it wrote.
    std::string Run() {
        testing::internal::CaptureStdout();
        result = SetUpWorld();
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(WorldTest, FullCataloguePlacesTheWholeScenarioAndTearDownEmptiesIt) {
    FillCatalogue();
    EXPECT_EQ(Run(), "");
    EXPECT_TRUE(result);
    // Each ship's x, y and its type's thrust.
    std::vector<Vector3> expected = {{0, 0, 1}};
    for (float x : {-25, -15, -5, 5, 15, 25, 35, 45, 55, 65})
        expected.push_back({x, -5, 3});
    expected.push_back({-30, 0, 4});
    expected.push_back({30, 30, 5});
    ASSERT_EQ(world.ships.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Ship& ship = world.ships[i];
        EXPECT_EQ(Vector3(ship.position.x, ship.position.y, ship.thrust), expected[i]) << i;
        EXPECT_EQ(ship.turnRate, 10 * ship.thrust) << i;
        // Every ship starts whole and ready to fire.
        EXPECT_TRUE(ship.computerControlled == (i > 0) && ship.hitPoints == 10 &&
                    ship.reloadTimer <= 0)
            << i;
    }
    EXPECT_EQ(world.ships[0].model, shipCatalogue.Find("brightfin")->model);
    EXPECT_NE(world.ships[0].model, nullptr);
    ASSERT_EQ(world.scenery.size(), 1u);
    EXPECT_EQ(world.scenery[0].position, Vector3(0, 0, -30));
    EXPECT_EQ(world.scenery[0].angle, -90);

    ASSERT_EQ(world.stars.size(), 10000u);
    for (const Star& star : world.stars) {
        const Vector3& p = star.position;
        ASSERT_TRUE(p.x >= -500 && p.x <= 500 && p.y >= -500 && p.y <= 500 && p.z >= 0 &&
                    p.z <= 40);
        const Vector3& g = star.colour;
        ASSERT_TRUE(g.x >= 0 && g.x <= 1 && g.y == g.x && g.z == g.x);
    }

    // Teardown, with shots in flight borrowing the Bullet model and types that have none.
    for (int i = 0; i < 5; ++i) {
        world.projectiles.push_back(Projectile());
        world.projectiles.back().model = shipCatalogue.Find("Bullet")->model;
    }
    modelsDeleted = 0;
    TearDownWorld();
    EXPECT_TRUE(world.ships.empty() && world.projectiles.empty());
    EXPECT_TRUE(world.scenery.empty() && world.stars.empty());
    EXPECT_TRUE(shipCatalogue.Empty());
    EXPECT_EQ(modelsDeleted, 2);
}

TEST_F(WorldTest, MissingTypeWritesItsLineAndStopsThere) {
    const struct {
        const char* missing;
        size_t ships, scenery;
    } cases[] = {
        {"brightfin", 0, 0}, {"Tarvesh4", 1, 0}, {"Quessal", 1, 1},
        {"Maradyne", 11, 1}, {"Umbrek", 12, 1},  {"Bullet", 13, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.missing);
        world = World();
        FillCatalogue(c.missing);
        result = true;
        EXPECT_EQ(Run(), std::string("ERROR: no ship ") + c.missing + "\n");
        EXPECT_FALSE(result);
        EXPECT_EQ(world.ships.size(), c.ships);
        EXPECT_EQ(world.scenery.size(), c.scenery);
        EXPECT_TRUE(world.stars.empty());
    }
}

TEST_F(WorldTest, SceneryMakerWithoutItsTypeWritesAnUnendedLine) {
    FillCatalogue("Tarvesh4");
    SceneryObject object;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(MakeSceneryObject(1, 2, object));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR: no ship 'Tarvesh4' exists");
}

TEST_F(WorldTest, StarDrawsXThenYThenHeightThenShade) {
    std::mt19937 reference(2024);
    std::stringstream text;
    text << reference;
    uint32_t words[RandomStateWords];
    for (uint32_t& word : words)
        text >> word;
    RandomGenerator generator;
    LoadRandomState(generator, words);
    MakeStars(generator);
    auto next = [&reference](double n) { return reference() / 4294967295.0 * n; };
    for (const Star& star : {world.stars[0], world.stars[1]}) {
        EXPECT_NEAR(star.position.x, next(1000) - 500, 1e-3);
        EXPECT_NEAR(star.position.y, next(1000) - 500, 1e-3);
        EXPECT_NEAR(star.position.z, next(40), 1e-4);
        EXPECT_NEAR(star.colour.x, next(1), 1e-6);
    }
}

} // namespace
