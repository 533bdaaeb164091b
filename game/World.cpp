// SPDX-License-Identifier: MIT
// The world's single instance, the ship maker and the teardown at the end of a run.
#include "World.h"

#include "ShipCatalogue.h"

World world;

Ship MakeShip(const ShipType& type, float x, float y, bool computerControlled) {
    Ship ship;
    ship.position = Vector2(x, y);
    ship.model = type.model;
    ship.type = &type;
    ship.computerControlled = computerControlled;
    ship.thrust = type.thrust;
    ship.turnRate = type.turnRate;
    return ship;
}

size_t ChasersLeft(const World& w) {
    size_t chasers = 0;
    for (const Ship& ship : w.ships)
        chasers += ship.computerControlled;
    return chasers;
}

void TearDownWorld() {
    world.ships.clear();
    world.projectiles.clear();
    world.scenery.clear();
    world.stars.clear();
    // Last: every record above borrowed one of these models.
    shipCatalogue.Clear();
}
