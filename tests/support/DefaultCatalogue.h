// SPDX-License-Identifier: MIT
// The catalogue of the default ship set without models, for runs of the step that never draw.
#pragma once

#include "Scenario.h"
#include "ShipCatalogue.h"

inline void LoadDefaultCatalogue() {
    shipCatalogue.Clear();
    for (const ScenarioType& value : ScenarioTypes) {
        ShipType type;
        type.thrust = value.thrust;
        type.turnRate = value.turnRate;
        shipCatalogue.Insert(value.name, type);
    }
}
