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

void EmptyWorld(World& w) {
    w.ships.clear();
    w.projectiles.clear();
    w.scenery.clear();
    w.stars.clear();
    w.followedPosition = Vector2();
    w.playerVelocity = Vector2();
    for (Model*& model : w.shotModels)
        model = nullptr;
}

void TearDownWorld() {
    EmptyWorld(world);
    // Last: every record above borrowed one of these models.
    shipCatalogue.Clear();
}
