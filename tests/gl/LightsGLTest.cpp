// SPDX-License-Identifier: MIT
// The light slots as GL sees them: read back with glGetLight and glIsEnabled.
#include "GLTest.h"
#include "LightSlots.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::array<float, 4> LightValue(int slot, GLenum what) {
    std::array<float, 4> v{};
    glGetLightfv(GL_LIGHT0 + slot, what, v.data());
    return v;
}

class Lights : public testing::Test {
  protected:
    void SetUp() override {
        ResetGLState();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        lightSlots = LightSlots{};
        SetupLights();
    }
};

} // namespace

TEST_F(Lights, SetupTurnsAllSevenOnWhiteWithLighting) {
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << i;
        EXPECT_EQ(LightValue(i, GL_DIFFUSE), (std::array<float, 4>{1, 1, 1, 1}));
        EXPECT_EQ(LightValue(i, GL_POSITION), (std::array<float, 4>{0, 0, 0, 1}));
    }
    EXPECT_FALSE(glIsEnabled(GL_LIGHT7)); // the game uses seven of GL's lights
}

TEST_F(Lights, AFrameWithOnlyTheFixedLightLightsSlotZeroAlone) {
    DisableLights();
    AddLight(Vector3(0.7f, 0.7f, 0.7f), Vector3(500, 500, 1000));
    FlushLights();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    for (int i = 1; i < 7; ++i)
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + i)) << i;
    EXPECT_EQ(LightValue(0, GL_DIFFUSE), (std::array<float, 4>{0.7f, 0.7f, 0.7f, 1}));
    // A point light (w = 1), in eye coordinates since the model-view matrix is the identity.
    EXPECT_EQ(LightValue(0, GL_POSITION), (std::array<float, 4>{500, 500, 1000, 1}));
    EXPECT_EQ(lightSlots.count, 0);
}

TEST_F(Lights, RedLightQueuedFirstTakesSlotZeroAndTheFixedLightTheNext) {
    DisableLights();
    AddLight(Vector3(1, 0, 0), Vector3(0, 0, 100));
    AddLight(Vector3(0.7f, 0.7f, 0.7f), Vector3(500, 500, 1000));
    FlushLights();
    EXPECT_EQ(LightValue(0, GL_DIFFUSE), (std::array<float, 4>{1, 0, 0, 1}));
    EXPECT_EQ(LightValue(1, GL_DIFFUSE), (std::array<float, 4>{0.7f, 0.7f, 0.7f, 1}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
}

TEST_F(Lights, FlushingAnEmptyQueueChangesNoLight) {
    AddLight(Vector3(0, 0, 1), Vector3(1, 2, 3));
    FlushLights();
    FlushLights();
    EXPECT_EQ(LightValue(0, GL_DIFFUSE), (std::array<float, 4>{0, 0, 1, 1}));
    EXPECT_EQ(LightValue(1, GL_DIFFUSE), (std::array<float, 4>{1, 1, 1, 1}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT6)); // untouched since start-up
}

TEST_F(Lights, AnEighthLightInAFrameHasNoEffect) {
    DisableLights();
    for (int i = 0; i < 8; ++i)
        AddLight(Vector3(0, float(i) / 8, 0), Vector3(0, 0, 1));
    FlushLights();
    for (int i = 0; i < 7; ++i)
        EXPECT_FLOAT_EQ(LightValue(i, GL_DIFFUSE)[1], float(i) / 8) << i;
    EXPECT_FALSE(glIsEnabled(GL_LIGHT7));
}
