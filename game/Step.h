// SPDX-License-Identifier: MIT
// The simulation step: every ship takes its turn, then every projectile flies, hits or expires.
#pragma once

#include "HeldKeys.h"
#include "StepEvents.h"
#include "World.h"

#include <cstdint>

// The version of the rules the step plays by. A recorded game replays to the same world only
// under the rules it was recorded with, so demo files carry this number; raise it with any change
// that makes the same frames play differently (the demo test's pinned line changes then too).
constexpr uint16_t GameRulesVersion = 1;

// The world's part of a frame's update pass: while P is held (a pause) the followed position
// comes to the player's ship and nothing moves, else one step of `seconds` (the frame time, taken
// to single precision) under the held keys.
void AdvanceWorld(World& w, HeldKeys keys, double seconds, StepEvents& events);

// Advances `w` by one frame of `seconds`, the player flying by `keys`, appending what happens to
// `events` in order. The frame time is not clamped; with 0 nothing moves and no timer runs down,
// but ships whose reload has run out still fire. Reads and writes nothing but its arguments.
void StepWorld(World& w, HeldKeys keys, float seconds, StepEvents& events);

// A ship's own part of its turn: clears its fire request, steers (computer-controlled) or flies
// by the held keys (the player), then moves by its velocity.
void UpdateShip(Ship& p, HeldKeys keys, float seconds);

// Full-thrust seek toward `seekTarget`; the heading follows the velocity before the change.
void SteerShip(Ship& p, float seconds);

// The player's branch of UpdateShip: held keys turn, thrust, strafe, boost and request shots.
void FlyPlayerShip(Ship& p, HeldKeys keys, float seconds);

// The direction of travel in radians under the heading convention (the angle whose direction
// (cos, -sin) is the velocity's). False, leaving `radians` alone, when there is none: a velocity
// of zero, or one too small to normalise.
bool DirectionOfTravel(Vector2 velocity, float& radians);
