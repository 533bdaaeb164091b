// SPDX-License-Identifier: MIT
// The fixed opening scene: the player, the scenery, twelve computer ships and the star field.
#pragma once

#include "World.h"

struct RandomGenerator;
struct RandomSeed;

// Looks up every scenario type in the catalogue and fills the (empty) world `w`, the stars drawn
// from a generator seeded with `starSeed`, or with fresh words when it is null. On a missing
// type writes its ERROR line and returns false at once, keeping what was placed before it.
bool SetUpWorld(const RandomSeed* starSeed = nullptr, World& w = world);

// A Tarvesh4 scenery object at (x, y, -30), turned by -90. False, placing nothing, after an
// ERROR line without a line end when the catalogue has no Tarvesh4.
bool MakeSceneryObject(float x, float y, SceneryObject& object);

// Appends the 10000 background stars drawn from `generator` to `w`.
void MakeStars(RandomGenerator& generator, World& w = world);
