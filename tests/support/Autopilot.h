// SPDX-License-Identifier: MIT
// A scripted pilot for tests and benchmarks: the keys it would hold, given the world.
#pragma once

#include "HeldKeys.h"
#include "World.h"

#include <cmath>

// Turns toward the nearest chaser (the first after the step's sort), keeps the trigger down,
// thrusts when far from it.
inline HeldKeys Autopilot(const World& w) {
    HeldKeys keys;
    HoldKey(keys, ActionFire);
    if (w.ships.size() < 2)
        return keys;
    const Ship& player = w.ships[0];
    Vector2 toward = w.ships[1].position - player.position;
    // Heading h faces (cos, -sin), so the heading toward (dx, dy) is atan2(-dy, dx).
    double wanted = std::atan2(-double(toward.y), double(toward.x)) * 180 / M_PI;
    double error = std::remainder(wanted - player.heading, 360.0);
    HoldKey(keys, ActionRight, error > 2);
    HoldKey(keys, ActionLeft, error < -2);
    HoldKey(keys, ActionThrust, Length(toward) > 30 && std::fabs(error) < 20);
    return keys;
}
