// SPDX-License-Identifier: MIT
// The application's GL edges: the projection, the update pass's keys and lights, and GL made
// whole again after a mode change that lost the context.
#include "Frame.h"
#include "GLTest.h"
#include "LightSlots.h"
#include "Model.h"
#include "SceneSetUp.h"
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
    HeldKeys keys;
    void SetUp() override {
        lightSlots = LightSlots{};
        world = World{};
        Ship player;
        player.velocity = Vector2(10, 0);
        world.ships.push_back(player);
    }
    void TearDown() override { world = World{}; }
};

TEST_F(UpdatePass, HoldingPFreezesTheWorldButTStillQueuesTheRedLight) {
    HoldKey(keys, ActionPause);
    HoldKey(keys, ActionRedLight);
    UpdateFrame(keys, 0.5);
    EXPECT_TRUE(world.ships[0].position == Vector2(0, 0));
    ASSERT_EQ(lightSlots.count, 1);
    EXPECT_TRUE(lightSlots.colours[0] == Vector3(1, 0, 0));
    EXPECT_TRUE(lightSlots.positions[0] == Vector3(0, 0, 100));
}

TEST_F(UpdatePass, WithoutPTheWorldStepsByTheFrameTime) {
    UpdateFrame(keys, 0.5);
    EXPECT_TRUE(world.ships[0].position == Vector2(5, 0));
    EXPECT_EQ(lightSlots.count, 0);
}

TEST_F(UpdatePass, TheStepsGlowsFollowTheRedLightInTheOrderOfTheShots) {
    for (float lifeLeft : {6.0f, 5.875f}) {
        Projectile q;
        q.position = Vector2(3, 4 + lifeLeft);
        q.lifeLeft = lifeLeft;
        world.projectiles.push_back(q);
    }
    HoldKey(keys, ActionRedLight);
    UpdateFrame(keys, 0.125);
    ASSERT_EQ(lightSlots.count, 3);
    EXPECT_TRUE(lightSlots.colours[0] == Vector3(1, 0, 0));
    // Blue 0.175 / 0.3 and 0.05 / 0.3 of full, in the plane of play where each shot stands.
    const float blue[] = {7.0f / 12, 1.0f / 6};
    const float y[] = {10, 9.875f};
    for (int i = 1; i < 3; ++i) {
        const Vector3& colour = lightSlots.colours[i];
        EXPECT_TRUE(colour.x == 0 && colour.y == 0) << i;
        EXPECT_NEAR(colour.z, blue[i - 1], 1e-5) << i;
        EXPECT_TRUE(lightSlots.positions[i] == Vector3(3, y[i - 1], 0)) << i;
    }
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

TEST(VideoMode, AChangeSetsTheViewAgainAndAFailedOneGivesTheWorkingModeBack) {
    auto* model = new EmptyModel;
    model->buildDisplayList();
    ShipType type;
    type.model = model;
    shipCatalogue.Insert("Probe", type);
    GLint viewport[4] = {};

    ASSERT_TRUE(ChangeVideoMode(160, 120, SDL_OPENGL | SDL_RESIZABLE));
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 160);
    EXPECT_EQ(viewport[3], 120);
    EXPECT_NEAR(ProjectionMatrix()[0], 2.41421356 / (4.0 / 3.0), 1e-5);

    // No screen has a mode this large: the game goes on in the mode it had.
    EXPECT_TRUE(ChangeVideoMode(4000, 4000, SDL_OPENGL | SDL_FULLSCREEN));
    SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 160);
    EXPECT_EQ(screen->h, 120);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 160);
    EXPECT_TRUE(glIsList(model->displayList)) << "the model's list is there, kept or remade";

    // A window squeezed to no height becomes one pixel high, with a finite projection.
    EXPECT_TRUE(ChangeVideoMode(300, 0, SDL_OPENGL | SDL_RESIZABLE));
    EXPECT_EQ(SDL_GetVideoSurface()->h, 1);
    for (float v : ProjectionMatrix())
        EXPECT_TRUE(std::isfinite(v));

    shipCatalogue.Clear();
    ASSERT_TRUE(ChangeVideoMode(GLTestWidth, GLTestHeight, SDL_OPENGL));
    ResetGLState();
}
