// A simple scripted pilot for the player's ship: turn toward the nearest chaser, keep the
// trigger down, thrust when far from it.
#pragma once

#include "StepTestSupport.h"

#include <cmath>

inline const Ship* NearestChaser(const World& w) {
    const Ship* nearest = nullptr;
    float best = 0;
    for (const Ship& s : w.ships) {
        float d = Length(s.position - w.ships[0].position);
        if (s.computerControlled && (!nearest || d < best)) {
            nearest = &s;
            best = d;
        }
    }
    return nearest;
}

// Sets the held keys for the next step from the world as it stands.
inline void Autopilot(const World& w, HeldKeys& keys) {
    keys.ReleaseAll();
    keys.Hold(KeySpace);
    const Ship& player = w.ships[0];
    const Ship* target = NearestChaser(w);
    if (!target)
        return;
    Vector2 toward = target->position - player.position;
    // Heading h faces (cos, -sin), so the heading toward (dx, dy) is atan2(-dy, dx).
    double wanted = std::atan2(-double(toward.y), double(toward.x)) * 180 / M_PI;
    double error = std::remainder(wanted - player.heading, 360.0);
    if (error > 2)
        keys.Hold(KeyRight);
    if (error < -2)
        keys.Hold(KeyLeft);
    if (Length(toward) > 30 && std::fabs(error) < 20)
        keys.Hold(KeyUp);
}
