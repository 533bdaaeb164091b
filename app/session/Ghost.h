// SPDX-License-Identifier: MIT
// The ghost raced (G, --ghost FILE, the options' ghost row): the player's ship of a demo's first
// chase, seen faint where it flew at the same chase time, once the demo is proved against the
// ships being played; and the pace its break-ups set for the chase's splits, or the best chase's
// when no ghost is raced. Proofs run in a child process: no frame waits for one.
#pragma once

#include "ChaseClock.h"

#include <string>

// The folder under the player's data folder where demos to race are put.
inline const char* const GhostsFolderName = "ghosts";

// The demo the ghost setting `choice` names: the best chase's (GhostBest, as BestDemoPath gives
// it), a name without a slash in the ghosts folder, or a path; empty for GhostOff.
std::string GhostDemoPath(const std::string& choice);

// Races the ghost `choice` names from now on (GhostOff: none, and the best chase's demo gives the
// pace). A demo other than the one proved is proved again in a child; until it is, no ghost shows.
// False when there is nothing to prove (best with no best chase kept): no ghost is raced, and
// `whyNot` says why after a line on standard error.
bool ChooseGhost(const std::string& choice, std::string& whyNot);

// What the ghost action races when no ghost is: the last ghost chosen, at first the best chase.
std::string GhostToRace();

// Once a frame: a proof that ended is taken. Proved, the ghost starts at the chase's time and its
// break-ups are the chase's pace; refused, the ghost does not show, and the proof's reason is a
// note in the display's corner and a line on standard error.
void TakeGhostProof(const ChaseClock& chase);

// Whether a ghost is chosen and its demo is proved or under proof.
bool GhostShown();

// A new chase: a shown ghost starts its recording again; the best chase, when it is the ghost or
// the pace and a keep replaced it, is proved again.
void RestartGhost();

// After the frame's update pass: a shown ghost catches up with the chase's time.
void FlyGhost(const ChaseClock& chase);

// In the scene's view, after the scene: the ghost's ship, faint, where it is nearest the camera
// across the world's wrap, and while it is out of view a mark at the window's edge pointing to it.
void DrawGhost();

// Ends a proof under way and forgets the ghost.
void StopGhost();
