// SPDX-License-Identifier: MIT
// The game's sound files: the event each one is heard for, its fixed name in the data folder, and
// the bounded reading and format check that decide whether it plays.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum GameSound { ShotSound, ChaserShotSound, HitSound, BreakUpSound, EngineSound, GameSoundCount };

struct SoundFileName {
    const char* path;  // relative to the data folder
    const char* event; // what is heard, for messages: "the player's shot"
};

// Indexed by GameSound.
extern const SoundFileName SoundFiles[GameSoundCount];

// A sound file larger than this is refused unread: the longest the game plays is a few seconds.
constexpr uint64_t LargestSoundFile = 4u << 20;

// The rate, channels and sample size shipyard writes the default sounds in; the game mixes at
// the same rate.
constexpr int SoundSampleRate = 22050;

// Whether `bytes` hold a RIFF WAVE of uncompressed PCM, mono or stereo, 8 or 16 bits a sample,
// with its whole data chunk. False, with the reason ("no RIFF WAVE header", "data chunk cut
// short: 800 bytes announced, 12 there"), when it does not.
bool CheckWavBytes(const std::vector<unsigned char>& bytes, std::string& reason);

// Reads the sound file at `path` as the game opens every data file (regular files only, never
// waiting), refusing one over LargestSoundFile before reading it, and checks its format. False,
// with `bytes` empty and the reason, when it cannot be played.
bool ReadSoundFile(const std::string& path, std::vector<unsigned char>& bytes,
                   std::string& reason);
