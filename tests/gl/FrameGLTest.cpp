// The application's GL edges: the projection, the update pass's keys and lights, and GL made
// whole again after a mode change that lost the context.
#include "Frame.h"
#include "GLTest.h"
#include "Keyboard.h"
#include "LightSlots.h"
#include "Model.h"
#include "ShipCatalogue.h"
#include "Video.h"
#include "World.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

std::array<float, 16> ProjectionMatrix() {
    std::array<float, 16> m{};
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    return m;
}

class EmptyModel : public Model {
  public:
    bool load(const char*) override { return true; }
};

} // namespace

TEST(Projection, FortyFiveDegreesWithTheWindowsAspect) {
    // gluPerspective(45, 4/3, 15, 150): f = 1 / tan(22.5 degrees) = 2.41421356.
    SetProjection(1024, 768);
    std::array<float, 16> m = ProjectionMatrix();
    EXPECT_NEAR(m[0], 2.41421356 / (4.0 / 3.0), 1e-5);
    EXPECT_NEAR(m[5], 2.41421356, 1e-5);
    EXPECT_NEAR(m[10], -165.0 / 135.0, 1e-5);
    EXPECT_NEAR(m[14], -2 * 150.0 * 15.0 / 135.0, 1e-4);
    SetProjection(800, 400);
    EXPECT_NEAR(ProjectionMatrix()[0], 2.41421356 / 2, 1e-5);
    ResetGLState();
}

TEST(Projection, AWindowWithNoHeightStillGetsAFiniteProjection) {
    SetProjection(640, 0);
    for (float v : ProjectionMatrix())
        EXPECT_TRUE(std::isfinite(v));
    SetProjection(0, 0);
    for (float v : ProjectionMatrix())
        EXPECT_TRUE(std::isfinite(v));
    ResetGLState();
}

class UpdatePass : public testing::Test {
  protected:
    unsigned char keys[512] = {};
    void SetUp() override {
        SetHeldKeys(keys, 512);
        lightSlots = LightSlots{};
        world = World{};
        Ship player;
        player.velocity = Vector2(10, 0);
        world.ships.push_back(player);
    }
    void TearDown() override {
        SetHeldKeys(nullptr, 0);
        world = World{};
    }
};

TEST_F(UpdatePass, HoldingPFreezesTheWorldButTStillQueuesTheRedLight) {
    keys[KeyP] = keys[KeyT] = 1;
    UpdateFrame(0.5);
    EXPECT_TRUE(world.ships[0].position == Vector2(0, 0));
    ASSERT_EQ(lightSlots.count, 1);
    EXPECT_TRUE(lightSlots.colours[0] == Vector3(1, 0, 0));
    EXPECT_TRUE(lightSlots.positions[0] == Vector3(0, 0, 100));
}

TEST_F(UpdatePass, WithoutPTheWorldStepsByTheFrameTime) {
    UpdateFrame(0.5);
    EXPECT_TRUE(world.ships[0].position == Vector2(5, 0));
    EXPECT_EQ(lightSlots.count, 0);
}

TEST(Restore, RemakesListsStateAndLightsOnlyWhenTheContextWasLost) {
    auto* model = new EmptyModel;
    model->buildDisplayList();
    ShipType type;
    type.model = model;
    shipCatalogue.Insert("Probe", type);

    glDisable(GL_DEPTH_TEST); // a stand-in for state the platform dropped
    RestoreGraphicsIfLost();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST)) << "nothing was lost, so nothing is redone";

    glDeleteLists(model->displayList, 1); // what a mode change that drops the context does
    RestoreGraphicsIfLost();
    EXPECT_TRUE(glIsList(model->displayList));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT6));

    shipCatalogue.Clear();
    ResetGLState();
}
