// SPDX-License-Identifier: MIT
// The application's GL edges: the projection, the update pass's keys and lights, GL made whole
// again after a mode change that lost the context, and the last chasers' marks.
#include "Camera.h"
#include "ChaserMarks.h"
#include "Frame.h"
#include "GLTest.h"
#include "LightSlots.h"
#include "Model.h"
#include "SceneSetUp.h"
#include "ShipCatalogue.h"
#include "Video.h"
#include "World.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

// Of the last three chasers, the two out of view are marked at the window's edges, red on a black
// rim, pointing to them; the one in view and the player are not. With four left none is.
TEST(ChaserMarks, TheLastFewOutOfViewAreMarkedRedAtTheEdges) {
    ResetGLState();
    world = World{};
    world.ships.push_back(Ship{});
    for (Vector2 at : {Vector2(2, 2), Vector2(30, 0), Vector2(0, -30)}) {
        Ship chaser;
        chaser.computerControlled = true;
        chaser.position = at;
        world.ships.push_back(chaser);
    }
    camera.Follow(Vector2(0, 0)); // 7.7 pixels a unit in the test's window: (2, 2) is in view
    const auto drawn = [] {
        glClearColor(1, 1, 1, 1); // white, to tell the rim from the background
        glClear(GL_COLOR_BUFFER_BIT);
        DrawChaserMarks();
        std::vector<std::array<unsigned char, 3>> pixels;
        for (int y = 0; y < GLTestHeight; ++y)
            for (int x = 0; x < GLTestWidth; ++x)
                pixels.push_back(ReadPixel(x, y));
        return pixels;
    };
    const auto at = [&](const auto& pixels, int x, int yFromTop) {
        return pixels[size_t((GLTestHeight - 1 - yFromTop) * GLTestWidth + x)];
    };
    const auto red = [](std::array<unsigned char, 3> pixel) {
        return pixel[0] > 200 && pixel[1] < 100 && pixel[2] < 60;
    };
    const std::array<unsigned char, 3> white = {255, 255, 255}, black = {0, 0, 0};
    auto pixels = drawn();
    // The right one's tip 6 pixels inside the right edge on the middle row, its base 28 pixels
    // back, its rim 2 pixels beyond; the lower one's tip 6 above the bottom edge, mid-window.
    EXPECT_TRUE(red(at(pixels, 115, 64))) << "behind the right mark's tip";
    EXPECT_TRUE(red(at(pixels, 96, 56))) << "near its base";
    EXPECT_EQ(at(pixels, 92, 64), black) << "the rim behind its base";
    EXPECT_EQ(at(pixels, 89, 64), white) << "past the rim";
    EXPECT_EQ(at(pixels, 127, 64), white) << "past the tip";
    EXPECT_TRUE(red(at(pixels, 64, 115))) << "behind the lower mark's tip";
    EXPECT_EQ(at(pixels, 64, 127), white);
    for (int y = 20; y < 88; ++y)
        for (int x = 20; x < 88; ++x)
            ASSERT_EQ(at(pixels, x, y), white) << "a mark inside the window at " << x << ", " << y;
    for (int y = 0; y < 40; ++y)
        ASSERT_EQ(at(pixels, 64, y), white) << "a mark at the top edge";

    Ship fourth;
    fourth.computerControlled = true;
    fourth.position = Vector2(-30, 0);
    world.ships.push_back(fourth);
    pixels = drawn();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), white), GLTestWidth * GLTestHeight)
        << "marks with four chasers left";
    world = World{};
    camera = Camera{};
    ResetGLState();
}
