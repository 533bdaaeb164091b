// SPDX-License-Identifier: MIT
// Which sound an event makes and where it is heard from: quieter with distance from the player's
// ship, panned toward the side of the screen it happens on. Pure: the mixer's figures, worked
// out without the mixer.
#pragma once

#include "SoundFile.h"
#include "StepEvents.h"
#include "Vector.h"

#include <cstdint>
#include <vector>

// Past this distance from the player's ship, in world units, nothing is heard.
constexpr float HearingDistance = 150.0f;

struct SoundPlacement {
    int volume = 0;     // 0 (silent) to 128 (full), SDL_mixer's scale
    uint8_t left = 255; // the two sides' levels, 0 to 255; both 255 in the middle
    uint8_t right = 255;
};

// The loudest a voice of the sound can be, on SDL_mixer's volume scale of 128.
constexpr int LoudestVolume(GameSound which) {
    return int(128 * SoundFiles[which].loudness + 0.5f);
}

// Every voice of every sound at its loudest at once sums under full scale: the mix never clips.
constexpr bool MixFitsFullScale() {
    int sum = 0;
    for (const SoundFileRow& row : SoundFiles)
        sum += row.voices * LoudestVolume(row.sound);
    return sum < 128;
}
static_assert(MixFitsFullScale(), "the sounds' levels can sum past full scale");

// The mixer's channels for sounds that come and go: one for each voice the table allows.
constexpr int EffectVoices() {
    int sum = 0;
    for (const SoundFileRow& row : SoundFiles)
        sum += row.sound == EngineSound ? 0 : row.voices;
    return sum;
}

// The sound `which` happening `offset` away from the player's ship, in world units (+x is the
// right of the screen), at its loudness at the player's ship, falling evenly to nothing at
// HearingDistance. A sound ScreenHalfWidth or more to one side (the screen's edge,
// DrawWindows.h) keeps a quarter of its level on the far side.
SoundPlacement PlaceSound(GameSound which, Vector2 offset);

// The sound `e` makes: a shot's by its kind, a hit's and a break-up's their own. False for an
// event that is seen and not heard (a shot's glow).
bool EventSound(const StepEvent& e, GameSound& sound);

// Whether a new voice of a sound, at `volume`, is heard while `playing` voices of the same sound
// play at the volumes they started at, when `voices` may play at once. True with `giveUp` -1 when
// there is room; when there is none, the quietest (the first of equals) is given up for a new
// one at least as loud: true with its index in `playing`. False when the new one is quieter than
// every one playing.
bool TakeVoice(const std::vector<int>& playing, int voices, int volume, int& giveUp);
