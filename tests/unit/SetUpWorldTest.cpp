// The opening scene: its ships in order, the scenery, the stars, and each missing type's line.
#include "SetUpWorld.h"

#include "RandomGenerator.h"
#include "ShipCatalogue.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

const char* const scenarioTypes[] = {"brightfin", "Tarvesh4", "Quessal",
                                     "Maradyne",  "Umbrek",   "Bullet"};

// Each type gets its own thrust (its position in the list above, plus 1) to tell ships apart.
void FillCatalogue(const std::string& except = "") {
    shipCatalogue.Clear();
    float thrust = 1;
    for (const char* name : scenarioTypes) {
        ShipType type;
        type.thrust = thrust++;
        type.turnRate = 10 * type.thrust;
        if (name != except)
            shipCatalogue.Insert(name, type);
    }
}

struct SetUpWorldTest : testing::Test {
    void SetUp() override { world = World(); }
    void TearDown() override {
        world = World();
        shipCatalogue.Clear();
    }
    // Runs SetUpWorld and gives what it wrote.
    std::string Run(bool& result) {
        testing::internal::CaptureStdout();
        result = SetUpWorld();
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(SetUpWorldTest, FullCataloguePlacesTheWholeScenario) {
    FillCatalogue();
    bool result = false;
    EXPECT_EQ(Run(result), "");
    EXPECT_TRUE(result);

    struct Expected {
        float x, y, thrust;
        bool computer;
    };
    std::vector<Expected> expected = {{0, 0, 1, false}};
    for (float x : {-25, -15, -5, 5, 15, 25, 35, 45, 55, 65})
        expected.push_back({x, -5, 3, true});
    expected.push_back({-30, 0, 4, true});
    expected.push_back({30, 30, 5, true});
    ASSERT_EQ(world.ships.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Ship& ship = world.ships[i];
        EXPECT_EQ(ship.position, Vector2(expected[i].x, expected[i].y)) << "ship " << i;
        EXPECT_EQ(ship.thrust, expected[i].thrust) << "ship " << i;
        EXPECT_EQ(ship.turnRate, 10 * expected[i].thrust) << "ship " << i;
        EXPECT_EQ(ship.computerControlled, expected[i].computer) << "ship " << i;
    }

    ASSERT_EQ(world.scenery.size(), 1u);
    EXPECT_EQ(world.scenery[0].position.x, 0);
    EXPECT_EQ(world.scenery[0].position.y, 0);
    EXPECT_EQ(world.scenery[0].position.z, -30);
    EXPECT_EQ(world.scenery[0].angle, -90);
    EXPECT_FALSE(world.scenery[0].visible);

    ASSERT_EQ(world.stars.size(), 10000u);
    for (const Star& star : world.stars) {
        ASSERT_GE(star.position.x, -500);
        ASSERT_LE(star.position.x, 500);
        ASSERT_GE(star.position.y, -500);
        ASSERT_LE(star.position.y, 500);
        ASSERT_GE(star.position.z, 0);
        ASSERT_LE(star.position.z, 40);
        ASSERT_GE(star.colour.x, 0);
        ASSERT_LE(star.colour.x, 1);
        ASSERT_EQ(star.colour.y, star.colour.x);
        ASSERT_EQ(star.colour.z, star.colour.x);
    }
    // A field of random stars spreads over the square rather than piling up in one place.
    float lowest = 500, highest = -500;
    for (const Star& star : world.stars) {
        lowest = std::min(lowest, star.position.x);
        highest = std::max(highest, star.position.x);
    }
    EXPECT_LT(lowest, -490);
    EXPECT_GT(highest, 490);
}

TEST_F(SetUpWorldTest, MissingTypeWritesItsLineAndStopsThere) {
    struct Case {
        const char* missing;
        const char* line;
        size_t ships, scenery;
    };
    const Case cases[] = {
        {"brightfin", "ERROR: no ship brightfin\n", 0, 0},
        {"Tarvesh4", "ERROR: no ship Tarvesh4\n", 1, 0},
        {"Quessal", "ERROR: no ship Quessal\n", 1, 1},
        {"Maradyne", "ERROR: no ship Maradyne\n", 11, 1},
        {"Umbrek", "ERROR: no ship Umbrek\n", 12, 1},
        {"Bullet", "ERROR: no ship Bullet\n", 13, 1},
    };
    for (const Case& c : cases) {
        world = World();
        FillCatalogue(c.missing);
        bool result = true;
        EXPECT_EQ(Run(result), c.line);
        EXPECT_FALSE(result) << c.missing;
        EXPECT_EQ(world.ships.size(), c.ships) << c.missing;
        EXPECT_EQ(world.scenery.size(), c.scenery) << c.missing;
        EXPECT_TRUE(world.stars.empty()) << c.missing;
    }
}

TEST_F(SetUpWorldTest, SceneryMakerWithoutItsTypeWritesAnUnendedLine) {
    FillCatalogue("Tarvesh4");
    SceneryObject object;
    object.angle = 5;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(MakeSceneryObject(1, 2, object));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR: no ship 'Tarvesh4' exists");
    EXPECT_EQ(object.angle, 5); // left as it was

    FillCatalogue();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(MakeSceneryObject(7, 8, object));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(object.position.x, 7);
    EXPECT_EQ(object.position.y, 8);
    EXPECT_EQ(object.position.z, -30);
    EXPECT_EQ(object.angle, -90);
}

TEST_F(SetUpWorldTest, AllZeroGeneratorPutsEveryStarInTheCornerAndBlack) {
    uint32_t zeros[RandomStateWords] = {};
    RandomGenerator generator;
    LoadRandomState(generator, zeros);
    MakeStars(generator);
    ASSERT_EQ(world.stars.size(), 10000u);
    for (const Star& star : world.stars) {
        ASSERT_EQ(star.position.x, -500);
        ASSERT_EQ(star.position.y, -500);
        ASSERT_EQ(star.position.z, 0);
        ASSERT_EQ(star.colour.x, 0);
    }
}

TEST_F(SetUpWorldTest, StarDrawsXThenYThenHeightThenShade) {
    std::mt19937 reference(2024);
    std::stringstream text;
    text << reference;
    uint32_t words[RandomStateWords];
    for (uint32_t& word : words)
        text >> word;
    RandomGenerator generator;
    LoadRandomState(generator, words);
    MakeStars(generator);
    const double top = 4294967295.0;
    const Star& star = world.stars[0];
    EXPECT_NEAR(star.position.x, reference() / top * 1000 - 500, 1e-3);
    EXPECT_NEAR(star.position.y, reference() / top * 1000 - 500, 1e-3);
    EXPECT_NEAR(star.position.z, reference() / top * 40, 1e-4);
    EXPECT_NEAR(star.colour.x, reference() / top, 1e-6);
    EXPECT_NEAR(world.stars[1].position.x, reference() / top * 1000 - 500, 1e-3);
}

} // namespace
