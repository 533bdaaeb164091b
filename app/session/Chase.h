// SPDX-License-Identifier: MIT
// The chase around the step: its game time, the keys panel, the banner at its end, the window
// left, and a new chase on R with the loaded ships.
#pragma once

#include "ChaseClock.h"
#include "ChaseText.h"
#include "HeldKeys.h"

#include <SDL/SDL.h>

#include <string>
#include <vector>

struct RandomSeed;

// After start-up: whether the keys panel shows at the start (`--no-hints` turns it off), and
// whether the game is `live` (not a played demo, where the panel and the banner offer only the
// keys that answer there).
void StartChase(bool hints, bool live);

// An event the chase heeds: a key press ends the start's panel, and in a live game (not a played
// demo) the window's active events mark it left or back.
void TakeChaseEvent(const SDL_Event& event, bool live);

// Whether the window has lost the input focus or is iconified.
bool WindowIsLeft();

// The keys of a live frame with P added while the window is left.
HeldKeys PauseWhileLeft(HeldKeys keys);

// The restart action: a new chase is asked for.
void AskForNewChase();

// True once after a new chase was asked for.
bool TakeAskedNewChase();

// A new chase: the world set up again from the loaded catalogue, its stars from `seed`; the clock
// and the banner start over. No file is read and no GL object made.
void StartNewChase(const RandomSeed& seed);

// After a frame of `milliseconds` whose update pass ran (`updated`) under `keys`; each break-up
// in it against the pace is a note in the display's corner. True on the frame that ended the
// chase.
bool CountChase(HeldKeys keys, uint32_t milliseconds, bool updated);

// The pace the chase's break-ups are split against: each break-up's time in the ghost's chase,
// or the best chase's, and what the banner calls it ("the ghost"); no break-ups, no splits.
void SetChasePace(const std::vector<uint64_t>& breakUps, const std::string& against);

// What the records say of the chase that just ended, for the banner.
void SetChaseBest(const BestTime& best);

// The chase's clock, for the display.
const ChaseClock& CurrentChase();

// After the scene: the banner once the chase is over, the keys panel while it shows.
void DrawChase();

// Before the GL context goes.
void StopChase();
