// SPDX-License-Identifier: MIT
// Which sound an event makes, and where it is heard from: volume by distance and by the sound,
// panning by the screen side.
#include "SoundPlacement.h"

#include <gtest/gtest.h>

TEST(SoundPlacement, VolumeFallsWithDistanceAndPanFollowsTheSideOfTheScreen) {
    const struct {
        GameSound sound;
        Vector2 offset;
        int volume, left, right;
    } rows[] = {
        {ShotSound, {0, 0}, 128, 255, 255},
        {ChaserShotSound, {0, 0}, 38, 255, 255},   // 0.3 of full: well under the player's shot
        {ChaserShotSound, {0, -30}, 31, 255, 255}, // 0.3 x 4/5 of full, straight below
        {HitSound, {-20, 0}, 78, 255, 159},        // 0.7 x 13/15; half-way to the left edge
        {BreakUpSound, {90, 120}, 0, 64, 255},     // 150 away: out of hearing
        {BreakUpSound, {75, 0}, 64, 64, 255},      // beyond the right edge: a quarter on the left
        {BreakUpSound, {-40, 0}, 94, 255, 64},     // 11/15 of full; on the left edge
        {EngineSound, {0, 0}, 45, 255, 255},
        {ShotSound, {0, 400}, 0, 255, 255},
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
        {ShotFired, 0, true, ShotSound},       // the player's straight shot
        {ShotFired, 1, true, ChaserShotSound}, // a chaser's aimed shot
        {ShotFired, 2, false, ShotSound},      // no such kind: nothing, never another's sound
        {ShotFired, -1, false, ShotSound},       {ChaserHit, 0, true, HitSound},
        {ChaserBrokenUp, 0, true, BreakUpSound}, {BlueGlow, 0, false, ShotSound}, // seen, not heard
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
