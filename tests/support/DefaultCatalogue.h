// The catalogue of the default ship set without models, for runs of the step that never draw.
#pragma once

#include "Handling.h"
#include "ShipCatalogue.h"

inline void LoadDefaultCatalogue() {
    shipCatalogue.Clear();
    for (const Handling& value : DefaultHandling) {
        ShipType type;
        type.thrust = value.thrust;
        type.turnRate = value.turnRate;
        shipCatalogue.Insert(value.name, type);
    }
}
