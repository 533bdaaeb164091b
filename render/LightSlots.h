// SPDX-License-Identifier: MIT
// The per-frame queue of dynamic lights: seven slots, one per GL light, filled in order.
#pragma once

#include "Vector.h"

constexpr int LightSlotCount = 7;

struct LightSlots {
    int count = 0; // slots filled this frame; the next light goes to slot `count`
    Vector3 positions[LightSlotCount];
    Vector3 colours[LightSlotCount]; // diffuse red, green, blue
    bool used[LightSlotCount] = {};
};

extern LightSlots lightSlots;

// Queues a light for this frame; an eighth and every later light of a frame is dropped.
void AddLight(Vector3 colour, Vector3 position);

// GL side, with the context current.
void SetupLights();   // all seven lights white and on, and lighting on: once, at start-up
void DisableLights(); // GL_LIGHT0 to GL_LIGHT6 off: at the start of each update pass
void FlushLights();   // hands the queued lights to GL (eye coordinates) and empties the queue
