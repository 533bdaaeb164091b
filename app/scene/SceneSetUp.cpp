// SPDX-License-Identifier: MIT
// The scene's start from the catalogue, a new chase's set-up, GL made again, and the teardown.
#include "SceneSetUp.h"

#include "Camera.h"
#include "FixedState.h"
#include "LightSlots.h"
#include "LoadShipCatalogue.h"
#include "Model.h"
#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "World.h"

#include <GL/gl.h>

namespace {

// Any model will do: they are all made together, so they are all lost together.
const Model* SomeModel() {
    for (const auto& entry : shipCatalogue.entries)
        if (entry.second.model)
            return entry.second.model;
    return nullptr;
}

} // namespace

bool SetUpScene(const RandomSeed* starSeed) {
    if (!LoadShipCatalogue() || !SetUpChase(starSeed))
        return false;
    SetFixedGLState();
    SetupLights();
    return true;
}

bool SetUpChase(const RandomSeed* starSeed) {
    EmptyWorld(world);
    if (!SetUpWorld(starSeed))
        return false;
    camera.Set(Vector3(0, 0, 60), Vector3(0, 0, 1), Vector3(0, 1, 0));
    return true;
}

void TearDownScene() {
    TearDownWorld();
}

void RestoreGraphicsIfLost() {
    const Model* probe = SomeModel();
    if (!probe || glIsList(probe->displayList))
        return;
    SetFixedGLState();
    SetupLights();
    for (auto& entry : shipCatalogue.entries) {
        if (Model* model = entry.second.model) {
            model->displayList = 0; // went with the old context; its name may be reused now
            model->loadTextures();
            model->buildDisplayList();
        }
    }
}
