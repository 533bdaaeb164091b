// SPDX-License-Identifier: MIT
// Which sound an event makes and where it is heard from: quieter with distance from the player's
// ship, panned toward the side of the screen it happens on. Pure: the mixer's figures, worked
// out without the mixer.
#pragma once

#include "SoundFile.h"
#include "StepEvents.h"
#include "Vector.h"

#include <cstdint>

// Past this distance from the player's ship, in world units, nothing is heard.
constexpr float HearingDistance = 150.0f;

struct SoundPlacement {
    int volume = 0;     // 0 (silent) to 128 (full), SDL_mixer's scale
    uint8_t left = 255; // the two sides' levels, 0 to 255; both 255 in the middle
    uint8_t right = 255;
};

// The sound `which` happening `offset` away from the player's ship, in world units (+x is the
// right of the screen). Each sound has its own loudness at the player's ship (a chaser's shot a
// third of the player's own, so that twelve chasers do not drown it); the volume falls evenly to
// nothing at HearingDistance. A sound ScreenHalfWidth or more to one side (the screen's edge,
// DrawWindows.h) keeps a quarter of its level on the far side.
SoundPlacement PlaceSound(GameSound which, Vector2 offset);

// The sound `e` makes: a shot's by its kind, a hit's and a break-up's their own. False for an
// event that is seen and not heard (a shot's glow).
bool EventSound(const StepEvent& e, GameSound& sound);
