// SPDX-License-Identifier: MIT
// The last chasers found: while few are left, each one out of view is marked at the window's edge
// by a red arrowhead pointing to it, larger than the ghost's grey one and rimmed in black, so that
// it shows over the stars and the scenery alike.
#pragma once

#include "Camera.h"
#include "World.h"

#include <cstddef>
#include <vector>

// The most chasers left for which their marks show: with more, the screen is busy with them and
// they close in anyway; the last few are the ones that hang back out of view and get lost.
constexpr size_t MarkedChasersAtMost = 3;

// The marks of the chasers of `world` out of the view that `camera` gives a window of `width` x
// `height` pixels, in the order of the world's ships (nearest first); none while more than
// MarkedChasersAtMost are left.
std::vector<EdgeMark> ChaserMarks(const World& world, const Camera& camera, int width, int height);

// After the scene, in its viewport: the marks of the world's chasers as the camera sees them.
void DrawChaserMarks();
