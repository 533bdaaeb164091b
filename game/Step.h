// The simulation step: every ship takes its turn, then every projectile flies, hits or expires.
#pragma once

#include "World.h"

// Advances `w` by one frame of `seconds`. The frame time is not clamped; with 0 nothing moves
// and no timer runs down, but ships whose reload has run out still fire.
void StepWorld(World& w, float seconds);

// A ship's own part of its turn: clears its fire request, steers (computer-controlled) or flies
// by the held keys (the player), then moves by its velocity.
void UpdateShip(Ship& p, float seconds);

// Full-thrust seek toward `seekTarget`; the heading follows the velocity before the change.
void SteerShip(Ship& p, float seconds);

// The player's branch of UpdateShip: held keys turn, thrust, strafe, boost and request shots.
void FlyPlayerShip(Ship& p, float seconds);

// The direction of travel in radians under the heading convention (the angle whose direction
// (cos, -sin) is the velocity's). False, leaving `radians` alone, when there is none: a velocity
// of zero, or one too small to normalise.
bool DirectionOfTravel(Vector2 velocity, float& radians);
