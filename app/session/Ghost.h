// SPDX-License-Identifier: MIT
// The ghost of the best chase (G, --ghost): the player's ship of the ship set's best demo, seen
// faint where it flew at the same chase time. Off, it reads nothing and steps nothing.
#pragma once

#include "ChaseClock.h"

#include <string>

// After start-up: whether the ghost flies from the start, from `bestDemo` (see ToggleGhost).
void StartGhost(bool shown, const std::string& bestDemo);

// The ghost action: shows or hides it. Shown for the first time in a chase, it reads the best
// demo (`bestDemo`, empty when the set has none) and starts it at the chase's time. Gives whether
// it shows now; when it was asked for and cannot show, `whyNot` says why in a few words ("no best
// chase kept for these ships yet"), after a line on standard error.
bool ToggleGhost(const std::string& bestDemo, std::string& whyNot);

// Whether the ghost is shown.
bool GhostShown();

// A new chase: a shown ghost starts its recording again.
void RestartGhost(const std::string& bestDemo);

// After the frame's update pass: a shown ghost catches up with the chase's time.
void FlyGhost(const ChaseClock& chase);

// In the scene's view, after the scene: the ghost's ship, faint, where it is nearest the camera
// across the world's wrap, and while it is out of view a mark at the window's edge pointing to it.
void DrawGhost();

void StopGhost();
