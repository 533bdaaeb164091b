// SPDX-License-Identifier: MIT
// The ghost of the best chase (G, --ghost): the player's ship of the ship set's best demo, seen
// faint where it flew at the same chase time. Off, it reads nothing and steps nothing.
#pragma once

#include "ChaseClock.h"

#include <string>

// The best demo's path as the records name it when asked; empty when the set has none. A keep may
// replace the best chase, and remove its demo, between two asks.
using BestDemoFinder = std::string (*)();

// After start-up: whether the ghost flies from the start, from `bestDemo` (see ToggleGhost).
void StartGhost(bool shown, BestDemoFinder bestDemo);

// The ghost action: shows or hides it. Shown for the first time in a chase, it reads the best
// demo `bestDemo` names (asked again while the demo it named cannot be read and it names another:
// a keep replaced it) and starts it at the chase's time. Gives whether
// it shows now; when it was asked for and cannot show, `whyNot` says why in a few words ("no best
// chase kept for these ships yet"), after a line on standard error.
bool ToggleGhost(BestDemoFinder bestDemo, std::string& whyNot);

// Whether the ghost is shown.
bool GhostShown();

// A new chase: a shown ghost starts its recording again.
void RestartGhost(BestDemoFinder bestDemo);

// After the frame's update pass: a shown ghost catches up with the chase's time.
void FlyGhost(const ChaseClock& chase);

// In the scene's view, after the scene: the ghost's ship, faint, where it is nearest the camera
// across the world's wrap, and while it is out of view a mark at the window's edge pointing to it.
void DrawGhost();

void StopGhost();
