// The opening scene, type by type in a fixed order, then the random star field.
#include "SetUpWorld.h"

#include "RandomGenerator.h"
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

} // namespace

bool MakeSceneryObject(float x, float y, SceneryObject& object) {
    const ShipType* type = shipCatalogue.Find("Tarvesh4");
    if (!type) {
        std::cout << "ERROR: no ship 'Tarvesh4' exists" << std::flush;
        return false;
    }
    object = SceneryObject();
    object.position = Vector3(x, y, -30);
    object.angle = -90;
    object.model = type->model;
    return true;
}

void MakeStars(RandomGenerator& generator) {
    for (int i = 0; i < StarCount; ++i) {
        float a = RealUpTo(generator, 1000);
        float b = RealUpTo(generator, 1000);
        float c = RealUpTo(generator, 40);
        float g = RealUpTo(generator, 1);
        world.stars.push_back({Vector3(a - 500.0f, b - 500.0f, c), Vector3(g, g, g)});
    }
}

bool SetUpWorld(const RandomSeed* starSeed) {
    const ShipType* type = RequireType("brightfin");
    if (!type)
        return false;
    world.ships.push_back(MakeShip(*type, 0, 0, false));

    SceneryObject scenery;
    if (!RequireType("Tarvesh4") || !MakeSceneryObject(0, 0, scenery))
        return false;
    world.scenery.push_back(scenery);

    if (!(type = RequireType("Quessal")))
        return false;
    for (int x = -25; x <= 65; x += 10)
        world.ships.push_back(MakeShip(*type, float(x), -5, true));

    if (!(type = RequireType("Maradyne")))
        return false;
    world.ships.push_back(MakeShip(*type, -30, 0, true));

    if (!(type = RequireType("Umbrek")))
        return false;
    world.ships.push_back(MakeShip(*type, 30, 30, true));

    // Every shot is drawn with this type's model.
    if (!(type = RequireType("Bullet")))
        return false;
    world.shotModel = type->model;

    RandomGenerator generator;
    if (starSeed)
        LoadRandomState(generator, starSeed->words);
    else
        generator = CreateRandomGenerator();
    MakeStars(generator);
    return true;
}
