// SPDX-License-Identifier: MIT
// A new chase with R, on the default ships in a real context: the world as a first set-up makes
// it, and memory and GL objects flat over a hundred chases.
#include "Chase.h"
#include "Frame.h"
#include "GLTest.h"
#include "Model.h"
#include "Replay.h"
#include "SceneSetUp.h"
#include "ShipCatalogue.h"
#include "ShipyardRun.h"
#include "World.h"

#include "Autopilot.h"

#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

namespace {

// GL names are handed out from 1 up; a few thousand covers every one the game makes.
constexpr unsigned NamesLooked = 4096;

struct GLObjects {
    int textures = 0, lists = 0;
};

GLObjects CountGLObjects() {
    GLObjects count;
    for (unsigned name = 1; name <= NamesLooked; ++name) {
        count.textures += glIsTexture(name) == GL_TRUE;
        count.lists += glIsList(name) == GL_TRUE;
    }
    return count;
}

size_t BytesInUse() {
    return mallinfo2().uordblks;
}

RandomSeed SeedOf(uint32_t word) {
    RandomSeed seed;
    for (int i = 0; i < RandomStateWords; ++i)
        seed.words[i] = word * 2654435761u + uint32_t(i);
    return seed;
}

// Flies the autopilot for `frames` frames of 16 ms: shots fly, chasers are hit.
void Fly(int frames) {
    for (int i = 0; i < frames; ++i) {
        HeldKeys keys = Autopilot(world);
        UpdateFrame(keys, 0.016);
        CountChase(keys, 16, true);
    }
}

struct Restart : testing::Test {
    std::string folder, startFolder;
    void SetUp() override {
        char name[] = "/tmp/restart_gl_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        ASSERT_EQ(RunShipyard("generate " + ShellQuoted(folder)).status, 0);
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof here), nullptr);
        startFolder = here;
        ASSERT_EQ(chdir(folder.c_str()), 0);
        const RandomSeed first = SeedOf(1);
        ASSERT_TRUE(SetUpScene(&first));
        StartChase(false, true);
    }
    void TearDown() override {
        StopChase();
        TearDownScene();
        EXPECT_EQ(chdir(startFolder.c_str()), 0);
        std::system(("rm -rf " + ShellQuoted(folder)).c_str());
        ResetGLState();
    }
};

} // namespace

TEST_F(Restart, SetsTheWorldUpAsAtTheStartFromTheSameSeed) {
    const uint64_t opening = WorldHash(world);
    const std::vector<Star> stars = world.stars;
    Fly(300);
    ASSERT_NE(WorldHash(world), opening) << "the flight changed nothing to start again from";
    StartNewChase(SeedOf(1));
    EXPECT_EQ(WorldHash(world), opening);
    ASSERT_EQ(world.stars.size(), stars.size());
    for (size_t i = 0; i < stars.size(); ++i)
        ASSERT_TRUE(world.stars[i].position == stars[i].position) << i;
    EXPECT_EQ(ChasersLeft(world), 12u);
    EXPECT_FALSE(CurrentChase().over);
    EXPECT_EQ(CurrentChase().milliseconds, 0u);

    StartNewChase(SeedOf(2));
    EXPECT_EQ(WorldHash(world), opening) << "ships and shots do not depend on the stars";
    EXPECT_FALSE(world.stars[0].position == stars[0].position) << "new stars from a new seed";
}

TEST_F(Restart, KeepsMemoryAndGLObjectsFlatOverAHundredChases) {
    Fly(200);
    StartNewChase(SeedOf(2)); // a first restart, so that every container has had its fill
    Fly(200);
    const GLObjects before = CountGLObjects();
    const size_t bytesBefore = BytesInUse();
    for (uint32_t i = 0; i < 100; ++i) {
        StartNewChase(SeedOf(3 + i));
        Fly(200);
    }
    StartNewChase(SeedOf(2));
    Fly(200);
    const GLObjects after = CountGLObjects();
    const size_t bytesAfter = BytesInUse();
    std::printf("after 100 restarts: %zu bytes in use (%zu before), %d textures, %d lists\n",
                bytesAfter, bytesBefore, after.textures, after.lists);
    EXPECT_GT(before.textures, 0);
    EXPECT_EQ(before.lists, int(shipCatalogue.entries.size()));
    EXPECT_EQ(after.textures, before.textures);
    EXPECT_EQ(after.lists, before.lists);
    // Flat: a one-off allocation somewhere in the libraries may come, but anything a restart
    // kept would be a hundred times over (the stars alone are 240 kB a chase).
    EXPECT_LT(bytesAfter, bytesBefore + 1024);
}
