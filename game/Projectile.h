// SPDX-License-Identifier: MIT
// Making shots and moving them, each by the row of its kind in ShotKinds.
#pragma once

#include "StepEvents.h"
#include "World.h"

#include <cstdint>

// Fills `q` as a fresh shot of `shotKind` from a ship at `position` with `heading` and
// `velocity`, flying as its row says: straight along the heading, or aimed at a target at
// `targetPosition` moving at `targetVelocity` (both ignored by a straight shot). The shot is
// drawn with `model` (the world's model for the kind).
void InitProjectile(Projectile& q, Vector2 position, float heading, Vector2 velocity,
                    int32_t shotKind, Vector2 targetPosition, Vector2 targetVelocity, Model* model);

// Moves `q` and runs its clock down; a young shot of a kind that glows asks for its fading blue
// light with a BlueGlow event, as bright as its life left says by its kind's row, whatever its
// own lifetime. True once the shot has expired (its life left below 0).
bool UpdateProjectile(Projectile& q, float seconds, StepEvents& events);
