// SPDX-License-Identifier: MIT
// The game's fixed GL state, shared by the game and the model preview so both shade alike.
#include "FixedState.h"

#include <GL/gl.h>

void SetFixedGLState() {
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glDisable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glDisable(GL_NORMALIZE);
    // Additive, weighted by source alpha; blending itself stays off until something needs it.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}
