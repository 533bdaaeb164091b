// SPDX-License-Identifier: MIT
// The GL state the game sets once per context and never changes while it draws.
#pragma once

// Black clear colour, depth testing (less or equal), back faces culled, smooth shading, no
// dithering or normalising, and the additive blend function. Needs a current context.
void SetFixedGLState();
