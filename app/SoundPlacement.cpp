// SPDX-License-Identifier: MIT
// The volume and panning of a sound from where it happens.
#include "SoundPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float ScreenHalfWidth = 40.0f; // world units from the player's ship to a side
constexpr float FarSideLevel = 0.25f;    // the far side's level at the screen's edge

// Each sound's loudness at the player's ship, 0 to 1, indexed by GameSound.
constexpr float Loudness[GameSoundCount] = {1.0f, 0.3f, 0.7f, 1.0f, 0.35f};

uint8_t SideLevel(float towardOtherSide) {
    float level = 1.0f - (1.0f - FarSideLevel) * std::max(0.0f, towardOtherSide);
    return uint8_t(std::lround(255 * level));
}

} // namespace

SoundPlacement PlaceSound(GameSound which, Vector2 offset) {
    SoundPlacement placed;
    float nearness = std::max(0.0f, 1.0f - Length(offset) / HearingDistance);
    placed.volume = int(std::lround(128 * Loudness[which] * nearness));
    float side = std::clamp(offset.x / ScreenHalfWidth, -1.0f, 1.0f); // -1 left, +1 right
    placed.left = SideLevel(side);
    placed.right = SideLevel(-side);
    return placed;
}
