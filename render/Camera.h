// SPDX-License-Identifier: MIT
// The one look-at camera, hung above the followed position.
#pragma once

#include "Vector.h"

struct Camera {
    Vector3 eye{0, 0, 0};
    Vector3 centre{0, 1, 0.5f};
    Vector3 up{0, 0, 1};

    void Set(Vector3 newEye, Vector3 newCentre, Vector3 newUp);
    // Looks straight down on `p` from a height that grows with p's distance from the world
    // origin: 20 at the origin, 1.3 more per unit of distance, never above 70.
    void Follow(Vector2 p);
};

extern Camera camera;

// The projection's field of view, from the bottom of the window to the top, in degrees.
constexpr double FieldOfViewDegrees = 45;

// Where `to` lies seen from `from` across the world's wrap: of its places a world's side apart,
// the nearest.
Vector2 NearestImage(Vector2 from, Vector2 to);

// A mark at the window's edge pointing to a place out of view.
struct EdgeMark {
    float x = 0, y = 0;       // its tip, in window pixels from the top left
    float dirX = 0, dirY = 0; // the way to the place, a unit vector in window pixels (y down)
};

// Whether `target` (its nearest image) lies out of the view that `camera`, looking straight down
// as Follow leaves it, gives a window of `width` x `height` pixels; then `mark` is where the line
// from the window's centre to it crosses the rectangle `inset` pixels inside the window's edges.
bool MarkOutOfView(const Camera& camera, Vector2 target, int width, int height, int inset,
                   EdgeMark& mark);
