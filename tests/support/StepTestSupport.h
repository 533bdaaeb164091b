// SPDX-License-Identifier: MIT
// Shared set-up for tests of the simulation step: the default scenario and test ships.
#pragma once

#include "DefaultCatalogue.h"
#include "HeldKeys.h"
#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "World.h"

#include <gtest/gtest.h>

// A fresh `world` holding the default scenario.
inline void ResetDefaultWorld() {
    world = World();
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
