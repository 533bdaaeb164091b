// SPDX-License-Identifier: MIT
// The game heard through SDL_mixer: opened after the window, the data folder's sounds loaded
// from memory, and each frame's events played where they happen. Without a device, or with a
// sound file that cannot be played, the game goes on silently.
#pragma once

#include "HeldKeys.h"
#include "SettingsText.h"
#include "StepEvents.h"
#include "World.h"

#include <string>
#include <vector>

// Opens the audio device and loads every sound of the data folder (the current folder); a sound
// that cannot be played stays silent, and `silent` gets a line saying which and why
// ("sounds/hit.wav: cannot be played: REASON; a hit on a chaser will be silent"). False, with
// `note` saying why, when there is no device that opens: the game then plays silently. `muted`:
// nothing is heard until ToggleMute.
bool OpenSound(bool muted, std::string& note, std::vector<std::string>& silent);

// Frees the sounds and closes the device; nothing when it never opened.
void CloseSound();

// Turns sound off (every playing sound stops) or back on: the M key. Gives whether it is off now.
bool ToggleMute();

// The settings the sound follows: on or off, and its volume.
void ApplySoundSettings(const Settings& settings);

// Whether sound is off now.
bool SoundMuted();

// The loudness of every sound in percent of its level, 0 to 100 (100 until set); 0 is silence
// with the device kept open. Kept whether or not the device is open.
void SetSoundVolume(int percent);
int SoundVolume();

// The sounds of one update pass: each shot, hit and break-up placed by where it happened
// relative to the player's ship, and the engine looping while thrust is held (and the game is
// not paused).
void PlayFrameSounds(const StepEvents& events, const World& w, HeldKeys keys);
