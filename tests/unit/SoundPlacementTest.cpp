// SPDX-License-Identifier: MIT
// Which sound an event makes, and where it is heard from: volume by distance and by the sound,
// panning by the screen side.
#include "SoundPlacement.h"
#include "ShotKinds.h"

#include <gtest/gtest.h>

TEST(SoundPlacement, VolumeFallsWithDistanceAndPanFollowsTheSideOfTheScreen) {
    const struct {
        GameSound sound;
        Vector2 offset;
        int volume, left, right;
    } rows[] = {
        {ShotSound, {0, 0}, 36, 255, 255},         // 0.28 of 128
        {ChaserShotSound, {0, 0}, 12, 255, 255},   // 0.09 of 128: a third of the player's shot
        {ChaserShotSound, {0, -30}, 10, 255, 255}, // 12 x 4/5, straight below
        {HitSound, {-20, 0}, 19, 255, 159},        // 22 x 13/15; half-way to the left edge
        {BreakUpSound, {90, 120}, 0, 64, 255},     // 150 away: out of hearing
        {BreakUpSound, {75, 0}, 17, 64, 255},      // 33 x 1/2; beyond the right edge
        {BreakUpSound, {-40, 0}, 24, 255, 64},     // 33 x 11/15; on the left edge
        {EngineSound, {0, 0}, 12, 255, 255},       {ShotSound, {0, 400}, 0, 255, 255},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.sound << " at " << row.offset.x << "," << row.offset.y);
        SoundPlacement placed = PlaceSound(row.sound, row.offset);
        EXPECT_EQ(placed.volume, row.volume);
        EXPECT_EQ(placed.left, row.left);
        EXPECT_EQ(placed.right, row.right);
    }
}

TEST(SoundPlacement, EachEventMakesItsSound) {
    const struct {
        StepEventKind kind;
        int32_t shotKind;
        bool heard;
        GameSound sound;
    } rows[] = {
        {ShotFired, StraightShot, true, ShotSound},    // the player's straight shot
        {ShotFired, AimedShot, true, ChaserShotSound}, // a chaser's aimed shot
        {ShotFired, ShotKindCount, false, ShotSound},  // no such kind: never another's sound
        {ShotFired, -1, false, ShotSound},
        {ChaserHit, 0, true, HitSound},
        {ChaserBrokenUp, 0, true, BreakUpSound},
        {BlueGlow, 0, false, ShotSound}, // seen, not heard
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "event " << int(row.kind) << ", shot " << row.shotKind);
        StepEvent e;
        e.kind = row.kind;
        e.shotKind = row.shotKind;
        GameSound sound = EngineSound;
        EXPECT_EQ(EventSound(e, sound), row.heard);
        EXPECT_EQ(sound, row.heard ? row.sound : EngineSound);
    }
}

TEST(SoundPlacement, AFullSoundKeepsItsLoudestVoices) {
    const struct {
        const char* what;
        std::vector<int> playing;
        int voices, volume;
        bool heard;
        int giveUp;
    } rows[] = {
        {"nothing playing", {}, 1, 5, true, -1},
        {"room for one more", {30}, 2, 5, true, -1},
        {"full: louder than the quietest", {30, 10, 20}, 3, 11, true, 1},
        {"full: as loud as the quietest, the first of them", {9, 20, 9}, 3, 9, true, 0},
        {"full: quieter than all", {30, 10}, 2, 9, false, -1},
        {"no voices at all", {}, 0, 128, false, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        int giveUp = 99;
        EXPECT_EQ(TakeVoice(row.playing, row.voices, row.volume, giveUp), row.heard);
        EXPECT_EQ(giveUp, row.giveUp);
    }
}
