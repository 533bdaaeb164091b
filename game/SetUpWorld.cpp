// SPDX-License-Identifier: MIT
// The opening scene, type by type in the scenario's order, then the random star field.
#include "SetUpWorld.h"

#include "RandomGenerator.h"
#include "Scenario.h"
#include "ShipCatalogue.h"

#include <iostream>

namespace {

constexpr int StarCount = 10000;

// The type, or null after its ERROR line.
const ShipType* RequireType(const char* name) {
    const ShipType* type = shipCatalogue.Find(name);
    if (!type)
        std::cout << "ERROR: no ship " << name << std::endl;
    return type;
}

const char* SceneryTypeName() {
    for (const ScenarioType& entry : ScenarioTypes)
        if (entry.role == ScenarioRole::Scenery)
            return entry.name;
    return "";
}

// Places the ships or scenery objects of one scenario type; false after an ERROR line.
bool PlaceType(const ScenarioType& entry, World& w) {
    const ShipType* type = RequireType(entry.name);
    if (!type)
        return false;
    for (int i = 0; i < entry.count; ++i) {
        const float x = entry.x + entry.stepX * float(i);
        if (entry.role != ScenarioRole::Scenery) {
            w.ships.push_back(MakeShip(*type, x, entry.y, entry.role == ScenarioRole::Chaser));
            continue;
        }
        SceneryObject scenery;
        if (!MakeSceneryObject(x, entry.y, scenery))
            return false;
        w.scenery.push_back(scenery);
    }
    return true;
}

} // namespace

bool MakeSceneryObject(float x, float y, SceneryObject& object) {
    const char* name = SceneryTypeName();
    const ShipType* type = shipCatalogue.Find(name);
    if (!type) {
        std::cout << "ERROR: no ship '" << name << "' exists" << std::flush;
        return false;
    }
    object = SceneryObject();
    object.position = Vector3(x, y, -30);
    object.angle = -90;
    object.model = type->model;
    return true;
}

void MakeStars(RandomGenerator& generator, World& w) {
    for (int i = 0; i < StarCount; ++i) {
        float a = RealUpTo(generator, 2 * WorldHalfSize);
        float b = RealUpTo(generator, 2 * WorldHalfSize);
        float c = RealUpTo(generator, 40);
        float g = RealUpTo(generator, 1);
        w.stars.push_back({Vector3(a - WorldHalfSize, b - WorldHalfSize, c), Vector3(g, g, g)});
    }
}

bool SetUpWorld(const RandomSeed* starSeed, World& w) {
    for (const ScenarioType& entry : ScenarioTypes)
        if (!PlaceType(entry, w))
            return false;
    for (const ShotKindRow& row : ShotKinds) {
        const ShipType* type = RequireType(row.modelType);
        if (!type)
            return false;
        w.shotModels[row.kind] = type->model;
    }

    RandomGenerator generator;
    if (starSeed)
        LoadRandomState(generator, starSeed->words);
    else
        generator = CreateRandomGenerator();
    MakeStars(generator, w);
    return true;
}
