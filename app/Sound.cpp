// SPDX-License-Identifier: MIT
// SDL_mixer's side of the game's sound: the device, the loaded sounds, and the channels they
// play on. One engine channel is kept apart; every other sound takes the first free channel.
#include "Sound.h"

#include "SoundFile.h"
#include "SoundPlacement.h"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

namespace {

constexpr int EngineChannel = 0;
constexpr int ChannelCount = 24; // the engine's and 23 for the rest
constexpr int EffectsGroup = 1;

struct SoundState {
    bool open = false;
    bool muted = false;
    bool engineRunning = false;
    Mix_Chunk* chunks[GameSoundCount] = {};
};

SoundState sound;

// The sound's chunk, or null when its file cannot be read or the mixer refuses it.
Mix_Chunk* LoadSound(GameSound which) {
    std::vector<unsigned char> bytes;
    std::string reason;
    if (!ReadSoundFile(SoundPath(which), bytes, reason))
        return nullptr;
    SDL_RWops* memory = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    return memory ? Mix_LoadWAV_RW(memory, 1) : nullptr; // the chunk keeps a copy of its samples
}

void Play(GameSound which, Vector2 offset) {
    Mix_Chunk* chunk = sound.chunks[which];
    SoundPlacement placed = PlaceSound(which, offset);
    if (!chunk || placed.volume == 0)
        return;
    int channel = Mix_GroupAvailable(EffectsGroup);
    if (channel < 0)
        return; // every channel busy: this one is not heard
    Mix_Volume(channel, placed.volume);
    Mix_SetPanning(channel, placed.left, placed.right);
    Mix_PlayChannel(channel, chunk, 0);
}

void RunEngine(bool thrust) {
    if (thrust == sound.engineRunning)
        return;
    sound.engineRunning = thrust;
    if (!thrust) {
        Mix_HaltChannel(EngineChannel);
    } else if (sound.chunks[EngineSound]) {
        Mix_Volume(EngineChannel, PlaceSound(EngineSound, Vector2()).volume);
        Mix_PlayChannel(EngineChannel, sound.chunks[EngineSound], -1);
    }
}

} // namespace

bool OpenSound(bool muted, std::string& note) {
    sound = SoundState();
    sound.muted = muted;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        note = std::string("no sound: ") + SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(SoundSampleRate, AUDIO_S16SYS, 2, 1024) != 0) {
        note = std::string("no sound: ") + Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sound.open = true;
    Mix_AllocateChannels(ChannelCount);
    Mix_ReserveChannels(1);
    Mix_GroupChannels(EngineChannel + 1, ChannelCount - 1, EffectsGroup);
    for (int i = 0; i < GameSoundCount; ++i)
        sound.chunks[i] = LoadSound(GameSound(i));
    return true;
}

void CloseSound() {
    if (!sound.open)
        return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : sound.chunks) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sound.open = false;
}

void ToggleMute() {
    sound.muted = !sound.muted;
    if (sound.open && sound.muted) {
        Mix_HaltChannel(-1);
        sound.engineRunning = false;
    }
}

void PlayFrameSounds(const StepEvents& events, const World& w, HeldKeys keys) {
    if (!sound.open || sound.muted)
        return;
    GameSound heard;
    for (const StepEvent& e : events.list)
        if (EventSound(e, heard))
            Play(heard, e.position - w.followedPosition);
    RunEngine(!KeyHeld(keys, ActionPause) &&
              (KeyHeld(keys, ActionThrust) || KeyHeld(keys, ActionReverse)));
}
