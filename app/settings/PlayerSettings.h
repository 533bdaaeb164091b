// SPDX-License-Identifier: MIT
// The settings of this run: the player's file (unless --no-settings) under the command line's
// options, and what the player changes in the game, written back when the game ends.
#pragma once

#include "Options.h"
#include "SettingsText.h"

// The file's settings with the options of the command line over them, for this run only.
Settings WithOptions(Settings settings, const GameOptions& options);

// --help: reads the settings file unless `options.noSettings`, writes its problems to standard
// error and the help with the keys in force and the file's path to standard output; status 0.
int AnswerHelp(const GameOptions& options);

// Once SDL has started (SDL names the keys): reads the settings file unless
// `options.noSettings`, writes its problems to standard error, and gives this run's settings.
Settings StartSettings(const GameOptions& options);

// The settings to keep: the file's, with what the player changed in the game, which the frame
// loop sets as the player does. Its bindings are this run's.
Settings& KeptSettings();

// SDL's names of the keys, as the settings file spells them (once SDL has started).
const KeyNames& SettingsKeyNames();

// The player's change of the window: a resizable window of this size (kept within the sizes
// the file allows).
void KeepWindow(int width, int height);

// Where this run's window size was asked for: "--window", or "FILE:LINE" of the settings file's
// line; "the default window" when neither asked.
std::string WindowAskedAt();

// When the game ends: writes the kept settings back when they changed (never with
// --no-settings); on standard error a line for each change the file as it is now cannot keep,
// and one when they cannot be written.
void SaveSettings();
