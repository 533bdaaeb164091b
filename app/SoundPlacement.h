// Where a sound is heard from: quieter with distance from the player's ship, panned toward the
// side of the screen it happens on. Pure: the mixer's figures, worked out without the mixer.
#pragma once

#include "Vector.h"

#include <cstdint>

// Past this distance from the player's ship, in world units, nothing is heard.
constexpr float HearingDistance = 150.0f;

struct SoundPlacement {
    int volume = 0;     // 0 (silent) to 128 (full), SDL_mixer's scale
    uint8_t left = 255; // the two sides' levels, 0 to 255; both 255 in the middle
    uint8_t right = 255;
};

// A sound of `loudness` (1: full at the player's ship) that happens `offset` away from the
// player's ship, in world units (+x is the right of the screen). The volume falls evenly to
// nothing at HearingDistance; a sound 40 units or more to one side (the screen's edge) keeps a
// quarter of its level on the far side.
SoundPlacement PlaceSound(Vector2 offset, float loudness);
