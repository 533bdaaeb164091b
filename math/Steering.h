// SPDX-License-Identifier: MIT
// Aimed fire and seek steering: plane geometry on Vector2 that the ships share.
#pragma once

#include "Vector.h"

// The velocity, in the frame where the projectile's speed counts, with which a projectile of
// speed `speed` leaving `launch` meets a target now at `target` moving at `targetVelocity`, at
// the earliest time t >= 0. Markers: (1, 1) when no meeting time exists, (-1, -1) when every
// meeting time lies in the past. Launched from the target's own position (t = 0) the result is
// `targetVelocity`: the shot rides along with the target it already touches. Always finite for
// finite input.
Vector2 InterceptVelocity(double speed, Vector2 launch, Vector2 target, Vector2 targetVelocity);

// A velocity change of length `amount` that turns `velocity` toward `target` and, once it points
// there, speeds it up. Zero where no direction exists: standing on the target, or already moving
// exactly as desired.
Vector2 SteerToward(Vector2 position, Vector2 velocity, Vector2 target, double amount);
