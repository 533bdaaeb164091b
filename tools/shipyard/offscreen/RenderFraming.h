// SPDX-License-Identifier: MIT
// Where shipyard's preview cameras stand so that a model fills its view.
#pragma once

class Model;

// A look-at camera with a perspective projection, in the terms gluLookAt and gluPerspective take.
struct ViewSetup {
    double eye[3], centre[3], up[3];
    double fieldOfView; // vertical, degrees
    double nearPlane, farPlane;
    double lightScale; // how far the game's eye-space light position is pushed out for this view
};

// From above, as the game shows a ship: on +z looking down, +y up the screen, +x to the right,
// the game's 45-degree field of view, high enough that the model's outline fits. The game's own
// near plane (15) would cut a small ship framed this closely, so the planes hug the model.
ViewSetup TopView(const Model& model);

// From the front right and above the model (+x, -y, +z), with +z up the screen.
ViewSetup ObliqueView(const Model& model);
