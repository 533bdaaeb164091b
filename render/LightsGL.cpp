// SPDX-License-Identifier: MIT
// The light queue's GL side: start-up lights, the per-frame switch-off and the flush.
#include "LightSlots.h"

#include <GL/gl.h>

void SetupLights() {
    const GLfloat white[4] = {1, 1, 1, 1};
    // w = 1: like every light the game queues later, the start-up lights are point lights.
    const GLfloat origin[4] = {0, 0, 0, 1};
    for (int i = 0; i < LightSlotCount; ++i)
        glLightfv(GL_LIGHT0 + i, GL_DIFFUSE, white);
    for (int i = 0; i < LightSlotCount; ++i)
        glLightfv(GL_LIGHT0 + i, GL_POSITION, origin);
    for (int i = 0; i < LightSlotCount; ++i)
        glEnable(GL_LIGHT0 + i);
    glEnable(GL_LIGHTING);
}

void DisableLights() {
    for (int i = 0; i < LightSlotCount; ++i)
        glDisable(GL_LIGHT0 + i);
}

void FlushLights() {
    for (int i = 0; i < lightSlots.count; ++i) {
        if (!lightSlots.used[i])
            continue;
        const Vector3& c = lightSlots.colours[i];
        const Vector3& p = lightSlots.positions[i];
        const GLfloat colour[4] = {c.x, c.y, c.z, 1};
        const GLfloat position[4] = {p.x, p.y, p.z, 1};
        glLightfv(GL_LIGHT0 + i, GL_DIFFUSE, colour);
        glLightfv(GL_LIGHT0 + i, GL_POSITION, position);
        glEnable(GL_LIGHT0 + i);
    }
    for (bool& used : lightSlots.used)
        used = false;
    lightSlots.count = 0;
}
