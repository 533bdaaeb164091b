// SPDX-License-Identifier: MIT
// What happened in one step, in the order it happened: the step appends, the application turns
// the events into lights, sounds and the display. The caller owns the record and clears it each
// frame; once its list has grown to a frame's worth, a step allocates nothing.
#pragma once

#include "Vector.h"

#include <cstdint>
#include <vector>

struct ShipType;

enum StepEventKind : uint8_t {
    ShotFired,      // a ship fired: `shotKind`, `position` (the ship's), `ship`
    ChaserHit,      // a player's shot hit a chaser that survives it: `position`, `hitPointsLeft`
    ChaserBrokenUp, // a chaser's eleventh hit: `position`, `type`
    BlueGlow,       // a young shot of a glowing kind asks for its light: `position`, `blue`
};

struct StepEvent {
    StepEventKind kind = ShotFired;
    Vector2 position;               // world units, in the plane of play
    int32_t shotKind = 0;           // ShotFired: the shot's ShotKind
    int32_t ship = -1;              // ShotFired: the firing ship's index in World::ships then
    int32_t hitPointsLeft = 0;      // ChaserHit
    const ShipType* type = nullptr; // ChaserBrokenUp: the chaser's type
    float blue = 0;                 // BlueGlow: the light's blue component, 0 to 1
};

struct StepEvents {
    std::vector<StepEvent> list;
};
