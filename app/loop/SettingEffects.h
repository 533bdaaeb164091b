// SPDX-License-Identifier: MIT
// A setting's effect, the one way the game follows its settings: start-up, the keys and the
// options all change them here, and each setting takes effect through its row's effect.
#pragma once

#include "KeyPresses.h"
#include "SettingsText.h"

#include <string>

// At start-up, once the window is open: `start` in force (with the window as it opened), each
// effect applied to it.
void ApplyStartSettings(Settings start);

// The player's change: each effect with a setting that differs from those in force brings the
// game to `wanted`; what took is put in force and kept for the settings file. `note` says why a
// setting did not take (the ghost where no best chase is kept). NoVideoMode when no video mode
// works any more.
LoopState ChangeSettings(Settings wanted, std::string& note);
