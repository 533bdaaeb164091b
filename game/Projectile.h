// Making shots and moving them: straight shots of the player, aimed shots of the chasers.
#pragma once

#include "World.h"

#include <cstdint>

// Fills `q` as a fresh shot from a ship at `position` with `heading` and `velocity`. A straight
// shot leaves at 100 along the heading; an aimed shot at speed 50 relative to the ship, leading
// a target at `targetPosition` moving at `targetVelocity` (both ignored by a straight shot).
// The model is the catalogue's "Bullet"; without one the record gets none, after an ERROR text.
void InitProjectile(Projectile& q, Vector2 position, float heading, Vector2 velocity,
                    int32_t shotKind, Vector2 targetPosition, Vector2 targetVelocity);

// Moves `q` and runs its clock down; a young straight shot queues its fading blue light. True
// once the shot has expired (its life left below 0).
bool UpdateProjectile(Projectile& q, float seconds);
