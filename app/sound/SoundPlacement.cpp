// SPDX-License-Identifier: MIT
// The volume and panning of a sound from where it happens.
#include "SoundPlacement.h"

#include "DrawWindows.h"
#include "ShotKinds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float FarSideLevel = 0.25f; // the far side's level at the screen's edge

// The sound each kind of event makes besides a shot; an event not here is not heard.
constexpr struct {
    StepEventKind kind;
    GameSound sound;
} EventSounds[] = {{ChaserHit, HitSound}, {ChaserBrokenUp, BreakUpSound}};

uint8_t SideLevel(float towardOtherSide) {
    float level = 1.0f - (1.0f - FarSideLevel) * std::max(0.0f, towardOtherSide);
    return uint8_t(std::lround(255 * level));
}

} // namespace

SoundPlacement PlaceSound(GameSound which, Vector2 offset) {
    SoundPlacement placed;
    float nearness = std::max(0.0f, 1.0f - Length(offset) / HearingDistance);
    placed.volume = int(std::lround(LoudestVolume(which) * nearness));
    float side = std::clamp(offset.x / ScreenHalfWidth, -1.0f, 1.0f); // -1 left, +1 right
    placed.left = SideLevel(side);
    placed.right = SideLevel(-side);
    return placed;
}

bool EventSound(const StepEvent& e, GameSound& sound) {
    if (e.kind == ShotFired) {
        if (e.shotKind < 0 || e.shotKind >= ShotKindCount)
            return false;
        sound = ShotKindOf(e.shotKind).sound;
        return true;
    }
    for (const auto& row : EventSounds)
        if (row.kind == e.kind) {
            sound = row.sound;
            return true;
        }
    return false;
}

bool TakeVoice(const std::vector<int>& playing, int voices, int volume, int& giveUp) {
    giveUp = -1;
    if (int(playing.size()) < voices)
        return true;
    if (playing.empty())
        return false;
    auto quietest = std::min_element(playing.begin(), playing.end());
    if (volume < *quietest)
        return false;
    giveUp = int(quietest - playing.begin());
    return true;
}
