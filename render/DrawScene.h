// SPDX-License-Identifier: MIT
// Drawing the world: stars as points, then ships, projectiles and scenery through their models.
#pragma once

struct World;
struct Ship;
struct Projectile;
struct SceneryObject;

// Draws what lies in each kind's window round the player's ship, with the view already loaded.
// Writes only the scenery's `visible` flags.
void DrawScene(World& w);

void DrawShip(const Ship& ship);
void DrawShip(const Projectile& projectile);
void DrawSceneryObject(const SceneryObject& object);
