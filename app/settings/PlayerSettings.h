// SPDX-License-Identifier: MIT
// The settings of this run: the player's file (unless the command line says none), and what the
// player changes in the game, written back when the game ends.
#pragma once

#include "SettingsText.h"

// Once SDL has started (SDL names the keys): reads the settings file when `readFile`, writes its
// problems to standard error, and gives its settings (the defaults without it).
Settings StartSettings(bool readFile);

// The settings to keep: the file's, with what the player changed in the game.
const Settings& KeptSettings();

// The settings in force: the game's start (the file's with the command line's over them), then as
// the player changes them. The game follows them (app/loop/SettingEffects.h applies a change).
const Settings& SettingsInForce();

// At start-up: `start` in force; nothing of it is the player's change.
void StartInForce(const Settings& start);

// The player's change: `now` in force, and each setting that differs from those in force before
// kept for the settings file.
void PutInForce(const Settings& now);

// SDL's names of the keys, as the settings file spells them (once SDL has started).
const KeyNames& SettingsKeyNames();

// The player's change of the window: full screen, or a resizable window of this size (kept within
// the sizes the file allows).
void KeepWindow(bool fullscreen, int width, int height);

// Where the settings file asked for this run's window size: "FILE:LINE" of its line; "the default
// window" when it did not.
std::string WindowAskedAt();

// When the game ends: writes the kept settings back when they changed (never with
// --no-settings); on standard error a line for each change the file as it is now cannot keep,
// and one when they cannot be written.
void SaveSettings();
