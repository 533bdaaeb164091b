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

// A ship seen through: its model blended over what is drawn, at `opacity` from 0 to 1, leaving
// the depth buffer as it was. Every GL state it changes is as it was afterwards.
void DrawFaintShip(const Ship& ship, float opacity);
