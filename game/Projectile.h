// SPDX-License-Identifier: MIT
// Making shots and moving them: straight shots of the player, aimed shots of the chasers.
#pragma once

#include "StepEvents.h"
#include "World.h"

#include <cstdint>

// Fills `q` as a fresh shot from a ship at `position` with `heading` and `velocity`. A straight
// shot leaves at 100 along the heading; an aimed shot at speed 50 relative to the ship, leading
// a target at `targetPosition` moving at `targetVelocity` (both ignored by a straight shot).
// The shot is drawn with `model` (the world's shot model).
void InitProjectile(Projectile& q, Vector2 position, float heading, Vector2 velocity,
                    int32_t shotKind, Vector2 targetPosition, Vector2 targetVelocity,
                    Model* model);

// Moves `q` and runs its clock down; a young straight shot asks for its fading blue light with a
// BlueGlow event. True once the shot has expired (its life left below 0).
bool UpdateProjectile(Projectile& q, float seconds, StepEvents& events);
