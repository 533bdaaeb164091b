// SPDX-License-Identifier: MIT
// The game world: ships, projectiles, stars and scenery, and the two values the step shares.
//
// Units: positions in world units, velocities in units per second, times in seconds, angles in
// degrees (see Vector.h for which way they turn). Play happens in the plane z = 0 on the square
// [-WorldHalfSize, WorldHalfSize] in x and y, which wraps round at its edges. Every `model` is
// borrowed from the ship catalogue, which owns it.
#pragma once

#include "ShotKinds.h"
#include "Vector.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

class Model;
struct ShipType;

// Half the side of the square of play, in world units.
constexpr float WorldHalfSize = 500.0f;

struct Ship {
    Vector2 position;
    Vector2 velocity;
    Vector2 acceleration; // after a step: the velocity change applied in it
    float heading = 0;
    bool visible = false; // within the drawing window this frame
    bool seeking = false;
    Vector2 seekTarget;
    int32_t hitPoints = 10; // removed when this drops below 0: on the eleventh hit
    bool fireRequested = false;
    int32_t requestedShot = StraightShot; // the player's: the ShotKind asked for
    float reloadTimer = -1.0f;            // a shot may be requested at 0 or less
    Model* model = nullptr;
    const ShipType* type = nullptr; // the catalogue's, which owns it
    bool computerControlled = false;
    float reloadTime = 1.0f;
    float distanceToPlayer = 0; // the sort key of World::ships
    float thrust = 0;           // units per second squared
    float turnRate = 0;         // degrees per second
};

struct Projectile {
    Vector2 position;
    Vector2 velocity;
    float heading = 0; // the firing ship's, for drawing only
    bool visible = false;
    float lifeLeft = ShotKinds[StraightShot].lifeSeconds;
    int32_t shotKind = StraightShot; // a ShotKind
    float lifetime = ShotKinds[StraightShot].lifeSeconds;
    Model* model = nullptr;
};

struct Star {
    Vector3 position; // x, y in the square of play, z in [0, 40]; drawn 80 lower
    Vector3 colour;   // three equal components: a shade of grey
};

struct SceneryObject {
    Vector3 position; // below the plane of play
    float angle = 0;  // degrees about (0, 0, -1)
    bool visible = false;
    Model* model = nullptr;
};

struct World {
    std::vector<Ship> ships;           // the player's ship first, then by distance to it
    std::list<Projectile> projectiles; // in firing order
    std::vector<Star> stars;
    std::vector<SceneryObject> scenery;
    // Where the view is centred: the player's position as the frame begins, whether the frame
    // steps or is paused. Written only by the step's update pass; the camera follows it.
    Vector2 followedPosition;
    Vector2 playerVelocity; // the player's velocity at the start of its turn this step
    Model* shotModels[ShotKindCount] = {}; // by ShotKind: its row's model type's, placed by set-up
};

extern World world;

// A ship of `type` at (x, y) with every other field at its starting value.
Ship MakeShip(const ShipType& type, float x, float y, bool computerControlled);

// The computer-controlled ships still in `w`.
size_t ChasersLeft(const World& w);

// Empties `w` for a new set-up; its containers keep the room they had.
void EmptyWorld(World& w);

// Empties the world, then clears the catalogue, deleting its models (needs the GL context).
void TearDownWorld();
