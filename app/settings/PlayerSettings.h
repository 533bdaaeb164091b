// SPDX-License-Identifier: MIT
// The settings of this run: the player's file (unless the command line says none), and what the
// player changes in the game, written back when the game ends.
#pragma once

#include "SettingsText.h"

// Once SDL has started (SDL names the keys): reads the settings file when `readFile`, writes its
// problems to standard error, and gives its settings (the defaults without it).
Settings StartSettings(bool readFile);

// The settings to keep: the file's, with what the player changed in the game, which the frame
// loop sets as the player does. Its bindings are this run's.
Settings& KeptSettings();

// SDL's names of the keys, as the settings file spells them (once SDL has started).
const KeyNames& SettingsKeyNames();

// The player's change of the window: a resizable window of this size (kept within the sizes
// the file allows).
void KeepWindow(int width, int height);

// Where the settings file asked for this run's window size: "FILE:LINE" of its line; "the default
// window" when it did not.
std::string WindowAskedAt();

// When the game ends: writes the kept settings back when they changed (never with
// --no-settings); one line on standard error when they cannot be written.
void SaveSettings();
