// SPDX-License-Identifier: MIT
// A real OpenGL context for GL tests: one SDL window on the virtual display, opened before the
// first test, with helpers that read back what GL really drew.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <array>

// Size of the test window's drawable, in pixels.
constexpr int GLTestWidth = 128;
constexpr int GLTestHeight = 128;

// The colour of one pixel of the back buffer as bytes R, G, B (origin bottom left, as GL counts).
std::array<unsigned char, 3> ReadPixel(int x, int y);

// Puts GL back to a known state for the next test: identity matrices, an orthographic projection
// of [-1, 1] in x and y, black clear, no lighting, texturing, culling or depth test.
void ResetGLState();
