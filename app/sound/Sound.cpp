// SPDX-License-Identifier: MIT
// SDL_mixer's side of the game's sound: the device, the loaded sounds, and the channels they
// play on. One engine channel is kept apart; the others hold as many voices of each sound as its
// row allows, the loudest kept.
#include "Sound.h"

#include "SoundFile.h"
#include "SoundLoad.h"
#include "SoundPlacement.h"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <alsa/error.h>

namespace {

constexpr int EngineChannel = 0;
constexpr int ChannelCount = 1 + EffectVoices(); // the engine's and one a voice
constexpr int EffectsGroup = 1;

struct SoundState {
    bool open = false;
    bool muted = false;
    bool engineRunning = false;
    LoadedSound sounds[GameSoundCount];
    GameSound channelSound[ChannelCount] = {}; // what each channel last started, and how loud
    int channelVolume[ChannelCount] = {};
    int volume = 100; // percent of every sound's level
};

SoundState sound;

// ALSA's own complaints while SDL looks for a device (nine lines of "ALSA lib ..." on a machine
// with none) are not the player's business: the game says in one note whether it has sound.
void IgnoreAlsa(const char*, int, const char*, int, const char*, ...) {}

// The channel a new voice of `which` at `volume` plays on: a free one while fewer voices of it
// play than its row allows, else the quietest of them, stopped, when the new one is as loud.
// -1 when it is not heard.
int VoiceChannel(GameSound which, int volume) {
    std::vector<int> playing, channels;
    for (int channel = EngineChannel + 1; channel < ChannelCount; ++channel)
        if (Mix_Playing(channel) && sound.channelSound[channel] == which) {
            playing.push_back(sound.channelVolume[channel]);
            channels.push_back(channel);
        }
    int giveUp = -1;
    if (!TakeVoice(playing, SoundFiles[which].voices, volume, giveUp))
        return -1;
    if (giveUp < 0)
        return Mix_GroupAvailable(EffectsGroup);
    Mix_HaltChannel(channels[giveUp]);
    return channels[giveUp];
}

// A placed sound's mixer volume at the player's volume.
int Loudness(int placedVolume) {
    return placedVolume * sound.volume / 100;
}

void Play(GameSound which, Vector2 offset) {
    Mix_Chunk* chunk = sound.sounds[which].chunk;
    SoundPlacement placed = PlaceSound(which, offset);
    if (!chunk || Loudness(placed.volume) == 0)
        return;
    int channel = VoiceChannel(which, placed.volume);
    if (channel < 0)
        return;
    sound.channelSound[channel] = which;
    sound.channelVolume[channel] = placed.volume;
    Mix_Volume(channel, Loudness(placed.volume));
    Mix_SetPanning(channel, placed.left, placed.right);
    Mix_PlayChannel(channel, chunk, 0);
}

void RunEngine(bool thrust) {
    if (thrust == sound.engineRunning)
        return;
    sound.engineRunning = thrust;
    if (!thrust) {
        Mix_HaltChannel(EngineChannel);
    } else if (sound.sounds[EngineSound].chunk) {
        Mix_Volume(EngineChannel, Loudness(PlaceSound(EngineSound, Vector2()).volume));
        Mix_PlayChannel(EngineChannel, sound.sounds[EngineSound].chunk, -1);
    }
}

} // namespace

bool OpenSound(bool muted, std::string& note, std::vector<std::string>& silent) {
    const int volume = sound.volume;
    sound = SoundState();
    sound.muted = muted;
    sound.volume = volume;
    snd_lib_error_set_handler(IgnoreAlsa); // the library SDL loads for ALSA is this one
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
    for (int i = 0; i < GameSoundCount; ++i) {
        std::string reason;
        if (!LoadSoundFile(SoundPath(GameSound(i)), sound.sounds[i], reason))
            silent.push_back(SoundPath(GameSound(i)) + ": " +
                             SilentSoundText(GameSound(i), reason));
    }
    return true;
}

void CloseSound() {
    if (!sound.open)
        return;
    Mix_HaltChannel(-1);
    for (LoadedSound& loaded : sound.sounds)
        FreeSound(loaded);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sound.open = false;
}

bool ToggleMute() {
    sound.muted = !sound.muted;
    if (sound.open && sound.muted) {
        Mix_HaltChannel(-1);
        sound.engineRunning = false;
    }
    return sound.muted;
}

void ApplySoundSettings(const Settings& settings) {
    if (sound.muted == settings.sound)
        ToggleMute();
    SetSoundVolume(settings.volume);
}

bool SoundMuted() {
    return sound.muted;
}

void SetSoundVolume(int percent) {
    sound.volume = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    if (sound.open && sound.engineRunning)
        Mix_Volume(EngineChannel, Loudness(PlaceSound(EngineSound, Vector2()).volume));
}

int SoundVolume() {
    return sound.volume;
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
