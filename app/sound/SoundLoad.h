// SPDX-License-Identifier: MIT
// The game's loading of one sound: the samples our own reader decodes (the check's reader too),
// converted to the format the mixer was opened in and raised so that the loudest is at full
// scale, in memory the sound owns. Needs only SDL and
// SDL_mixer, so that the fuzz target can load sounds exactly as the game does.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <string>
#include <vector>

struct LoadedSound {
    Mix_Chunk* chunk = nullptr; // plays `samples`; null when nothing is loaded
    std::vector<Uint8> samples; // in the mixer's format, whole frames
};

// Reads, decodes and converts the sound file at `path` for the open mixer. False, with `sound`
// empty and the reason (the reader's, or SDL's when it cannot convert), when it cannot be played.
bool LoadSoundFile(const std::string& path, LoadedSound& sound, std::string& reason);

// Frees the chunk and its samples; nothing for a sound that is not loaded. The sound must not be
// playing.
void FreeSound(LoadedSound& sound);
