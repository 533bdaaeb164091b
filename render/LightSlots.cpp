// SPDX-License-Identifier: MIT
// The light queue itself: pure bookkeeping, no GL.
#include "LightSlots.h"

LightSlots lightSlots;

void AddLight(Vector3 colour, Vector3 position) {
    if (lightSlots.count == LightSlotCount)
        return;
    int slot = lightSlots.count++;
    lightSlots.positions[slot] = position;
    lightSlots.colours[slot] = colour;
    lightSlots.used[slot] = true;
}
