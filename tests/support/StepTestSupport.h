// Shared set-up for tests of the simulation step: the default scenario and test ships.
#pragma once

#include "Handling.h"
#include "HeldKeys.h"
#include "LightSlots.h"
#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "World.h"

#include <gtest/gtest.h>

// The catalogue of the default ship set, without models: the step never draws.
inline void LoadDefaultCatalogue() {
    shipCatalogue.Clear();
    for (const Handling& value : DefaultHandling) {
        ShipType type;
        type.thrust = value.thrust;
        type.turnRate = value.turnRate;
        shipCatalogue.Insert(value.name, type);
    }
}

// A fresh `world` holding the default scenario, and an empty light queue.
inline void ResetDefaultWorld() {
    world = World();
    lightSlots = LightSlots();
    LoadDefaultCatalogue();
    ASSERT_TRUE(SetUpWorld());
}

// A ship with the given figures, every other field at its starting value.
inline Ship TestShip(Vector2 position, bool computerControlled, float thrust = 10,
                     float turnRate = 90) {
    ShipType type;
    type.thrust = thrust;
    type.turnRate = turnRate;
    return MakeShip(type, position.x, position.y, computerControlled);
}
