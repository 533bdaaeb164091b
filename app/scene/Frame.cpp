// SPDX-License-Identifier: MIT
// The per-frame update and render passes.
#include "Frame.h"

#include "Camera.h"
#include "DrawScene.h"
#include "FixedState.h"
#include "LightSlots.h"
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

} // namespace

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
