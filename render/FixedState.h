// SPDX-License-Identifier: MIT
// The GL state the game sets once per context and never changes while it draws.
#pragma once

// Black clear colour, depth testing (less or equal), back faces culled, smooth shading, no
// dithering or normalising, and the additive blend function. Needs a current context.
void SetFixedGLState();

// The fixed light over every frame: grey-white, toward the top right and behind the viewer,
// placed in eye coordinates so that it stays with the camera.
constexpr float FixedLightColour[3] = {0.7f, 0.7f, 0.7f};
constexpr float FixedLightPosition[3] = {500, 500, 1000};
