// SPDX-License-Identifier: MIT
// The game's sounds: one row each with its file's name in the data folder and the event it is
// heard for, and the bounded reading and format check that decide whether it plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The game's sounds. A new sound is one more name here and one more row in each table keyed by
// it: its row below (file, event, level) and its design in the tool; the compiler names the
// tables that lack the row.
enum GameSound { ShotSound, ChaserShotSound, HitSound, BreakUpSound, EngineSound, GameSoundCount };

// The folder of the data folder that holds the sound files.
inline constexpr const char* SoundFolder = "sounds/";

// One sound: its file, what it is heard for, and how the game mixes it. Every sound is made as
// loud as it can be without clipping when it is loaded (its loudest sample at full scale), so
// `loudness` is its loudest sample at the player's ship as a fraction of full scale. At most
// `voices` of one sound play at once, the loudest kept.
struct SoundFileRow {
    GameSound sound;
    const char* name;  // in SoundFolder: "shot.wav"
    const char* event; // what is heard, for messages and help texts: "the player's shot"
    float loudness;
    int voices;
};

// Whether `rows` hold one row per GameSound in the order of the names, as every table keyed by
// a sound must: checked at compile time beside each table.
template <class Row, size_t N> constexpr bool OneRowPerSound(const Row (&rows)[N]) {
    if (N != GameSoundCount)
        return false;
    for (size_t i = 0; i < N; ++i)
        if (rows[i].sound != GameSound(i))
            return false;
    return true;
}

inline constexpr SoundFileRow SoundFiles[] = {
    // above a chaser's shot, whatever else is heard
    {ShotSound, "shot.wav", "the player's shot", 0.28f, 1},
    // a third of the player's: twelve chasers fire together
    {ChaserShotSound, "chaser-shot.wav", "a chaser's shot", 0.09f, 2},
    {HitSound, "hit.wav", "a hit on a chaser", 0.17f, 1},
    {BreakUpSound, "breakup.wav", "a chaser breaking up", 0.26f, 1},
    {EngineSound, "engine.wav", "the engine", 0.09f, 1},
};
static_assert(OneRowPerSound(SoundFiles), "every sound needs its file");

// The sound's file relative to the data folder: "sounds/shot.wav".
std::string SoundPath(GameSound which);

// Every sound file's name in the order of the names, separated by ", ": for help texts.
std::string SoundFileNames();

// The sound files as a sentence of a manual page, in the order of the names: each file in
// italics followed by what it is heard for ("(a chaser's shot),"), the last two joined by "and",
// ended with a full stop. SoundFileNamesManual() is the same without what each is heard for.
std::string SoundFilesManual();
std::string SoundFileNamesManual();

// A sound file larger than this is refused unread: the longest the game plays is a few seconds.
constexpr uint64_t LargestSoundFile = 4u << 20;

// A sound lasting longer than this is refused, so that what the mixer is given stays small
// whatever the file's rate: 60 s of 16-bit stereo at 22050 Hz is 5.3 MB.
constexpr int LongestSoundSeconds = 60;

// The rate, channels and sample size shipyard writes the default sounds in; the game mixes at
// the same rate.
constexpr int SoundSampleRate = 22050;

// A sound's samples as the game hands them on to be converted for the mixer.
struct SoundSamples {
    int rate = 0;                 // frames a second
    int channels = 0;             // 1 or 2; a frame holds one sample of each
    std::vector<int16_t> samples; // 16-bit signed, the channels interleaved
};

// Decodes a RIFF WAVE of uncompressed PCM, mono or stereo, 8 or 16 bits a sample, 4000 to
// 192000 Hz, lasting at most LongestSoundSeconds. This is the one reader of sound files: what
// it takes the game plays and the check passes, what it refuses neither does.
//   Chunks other than "fmt " and "data" (JUNK, bext, LIST of any size, odd sizes with their pad
//   byte) are stepped over wherever they are; a chunk must fit in the bytes there are.
//   The frame's size follows from the channels and bits; the block alignment field is not used
//   (0, as some writers leave it, plays).
//   The data chunk follows a "fmt " chunk and holds at least one whole frame: a data chunk of no
//   samples, or of fewer than two frames' worth at SoundSampleRate, is refused, so its event is
//   never silent without a word. Bytes after its last whole frame are left out.
// False, with `sound` as it was and the reason ("no RIFF WAVE header", "data chunk cut short:
// 800 bytes announced, 12 there"), when the bytes are not such a sound.
bool DecodeWav(const std::vector<unsigned char>& bytes, SoundSamples& sound, std::string& reason);

// Reads the sound file at `path` as the game opens every data file (regular files only, never
// waiting), refusing one over LargestSoundFile before reading it, and decodes it. False, with
// `sound` as it was and the reason, when it cannot be played.
bool ReadSoundFile(const std::string& path, SoundSamples& sound, std::string& reason);

// What a sound that cannot be played means, for the check and the game alike: "cannot be
// played: REASON; a hit on a chaser will be silent".
std::string SilentSoundText(GameSound which, const std::string& reason);
