// SPDX-License-Identifier: MIT
// Start-up, the per-frame update and render drivers, shutdown, and GL restored after a mode change.
#include "Frame.h"

#include "Camera.h"
#include "DrawScene.h"
#include "FixedState.h"
#include "LightSlots.h"
#include "LoadShipCatalogue.h"
#include "Model.h"
#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "Sound.h"
#include "Step.h"
#include "World.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

StepEvents frameEvents;

// Each glow the step asked for, in the order it asked, as a light in the plane of play.
void QueueGlows(const StepEvents& events) {
    for (const StepEvent& e : events.list)
        if (e.kind == BlueGlow)
            AddLight(Vector3(0, 0, e.blue), Vector3(e.position.x, e.position.y, 0));
}

// Any model will do: they are all made together, so they are all lost together.
const Model* SomeModel() {
    for (const auto& entry : shipCatalogue.entries)
        if (entry.second.model)
            return entry.second.model;
    return nullptr;
}

} // namespace

bool Initialize(const RandomSeed* starSeed) {
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

void UpdateFrame(HeldKeys keys, double seconds) {
    frameEvents.list.clear();
    DisableLights();
    if (KeyHeld(keys, ActionRedLight))
        AddLight(Vector3(1, 0, 0), Vector3(0, 0, 100));
    AdvanceWorld(world, keys, seconds, frameEvents);
    QueueGlows(frameEvents);
    PlayFrameSounds(frameEvents, world, keys);
}

void RenderFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    camera.Follow(world.followedPosition);
    AddLight(Vector3(FixedLightColour[0], FixedLightColour[1], FixedLightColour[2]),
             Vector3(FixedLightPosition[0], FixedLightPosition[1], FixedLightPosition[2]));
    // Flushed under the identity: light positions are in eye coordinates, fixed to the viewer.
    FlushLights();
    gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, camera.centre.x, camera.centre.y,
              camera.centre.z, camera.up.x, camera.up.y, camera.up.z);
    DrawScene(world);
}

void Shutdown() {
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
