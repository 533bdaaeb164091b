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
