// SPDX-License-Identifier: MIT
// The windows round the followed position inside which each kind of object is drawn.
#pragma once

#include "Vector.h"

// Half the screen's width in the plane of play, in world units: the camera sees about 38 units
// each way at its highest. Sounds are panned fully to one side at this distance.
constexpr float ScreenHalfWidth = 40.0f;

// Half-widths in x and y, which keep everything on screen and cull the rest.
const Vector2 StarWindow(83, 63);
const Vector2 ShipWindow(45, 35);
const Vector2 ProjectileWindow(ScreenHalfWidth, 35);
const Vector2 SceneryWindow(100, 70);

// A ship whose type turns at exactly this rate, in degrees per second, is drawn wherever it is.
constexpr float AlwaysVisibleTurnRate = 30.0f;

// Strictly inside: a point exactly on the window's edge is outside.
inline bool InsideWindow(Vector2 centre, Vector2 halfSize, float x, float y) {
    return centre.x - halfSize.x < x && x < centre.x + halfSize.x && centre.y - halfSize.y < y &&
           y < centre.y + halfSize.y;
}
