// SPDX-License-Identifier: MIT
// Pressed actions, resizes and quits, as the window's events bring them.
#include "KeyPresses.h"

#include "Bindings.h"
#include "Chase.h"
#include "Frame.h"
#include "Ghost.h"
#include "Hud.h"
#include "OptionsPlay.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "Screenshot.h"
#include "Sound.h"
#include "Video.h"

#include <SDL/SDL.h>

#include <csignal>

namespace {

constexpr int VolumeStep = 10; // percent, for each press of a volume key

constexpr Uint32 WindowFlags = SDL_OPENGL | SDL_RESIZABLE;

volatile std::sig_atomic_t hungUp = 0;

void HangUp(int) {
    hungUp = 1;
}

// A new video mode, with the GL objects made again where the platform dropped them, and kept as
// the screen took it: a size the screen refused is never kept.
LoopState ChangeMode(WindowSize size, Uint32 flags) {
    if (!ChangeVideoMode(size.width, size.height, flags))
        return NoVideoMode;
    RestoreGraphicsIfLost();
    int width, height;
    if (ShownWindow(width, height))
        KeepWindow(width, height);
    else
        KeptSettings().fullscreen = true;
    return KeepRunning;
}

// The volume keys: the sound's volume `step` percent up or down, kept, and shown for a moment.
void StepVolume(int step) {
    SetSoundVolume(SoundVolume() + step);
    KeptSettings().volume = SoundVolume();
    ShowHudNote(ActionNote(step > 0 ? Action::VolumeUp : Action::VolumeDown,
                           std::to_string(SoundVolume()) + "%"));
}

// The switches that say what they did in the display's corner: "Sound off", "Ghost on".
void ShowSwitched(Action action, bool on, const std::string& whyNot = "") {
    ShowHudNote(ActionNote(action, (on ? "on" : "off") + (whyNot.empty() ? "" : ": " + whyNot)));
}

// The one place a pressed action takes effect. Sets `modeChanged` when it changes the video mode.
LoopState Press(Action action, bool& modeChanged) {
    switch (action) {
    case Action::Quit:
        return Quit;
    case Action::FullScreen:
        modeChanged = true;
        return ChangeMode(FullScreenSize, SDL_OPENGL | SDL_FULLSCREEN);
    case Action::Window:
        modeChanged = true;
        return ChangeMode(SmallWindowSize, WindowFlags);
    case Action::Display:
        KeptSettings().hud = ToggleHud();
        return KeepRunning;
    case Action::Screenshot:
        AskForScreenshot();
        return KeepRunning;
    case Action::Sound:
        KeptSettings().sound = !ToggleMute();
        ShowSwitched(action, KeptSettings().sound);
        return KeepRunning;
    case Action::VolumeDown:
    case Action::VolumeUp:
        StepVolume(action == Action::VolumeUp ? VolumeStep : -VolumeStep);
        return KeepRunning;
    case Action::Ghost: {
        std::string whyNot;
        KeptSettings().ghost = ToggleGhost(BestDemoPath, whyNot);
        ShowSwitched(action, KeptSettings().ghost, whyNot);
        return KeepRunning;
    }
    case Action::Restart:
        AskForNewChase();
        return KeepRunning;
    default:
        return KeepRunning; // a held action: read once a frame
    }
}

// Sets `modeChanged` when the event changes the video mode. `live`: not a played demo.
LoopState HandleEvent(const SDL_Event& event, bool live, bool& modeChanged) {
    TakeChaseEvent(event, live);
    if (event.type == SDL_QUIT)
        return Quit;
    if (event.type == SDL_VIDEORESIZE) {
        modeChanged = true;
        return ChangeMode({event.resize.w, event.resize.h}, WindowFlags);
    }
    LoopState options = KeepRunning;
    if (live && TakeOptionsEvent(event, options))
        return options;
    const Bindings& bindings = KeptSettings().bindings;
    Action action;
    if (((event.type == SDL_KEYDOWN && PressedAction(bindings, event.key.keysym.sym, action)) ||
         (event.type == SDL_JOYBUTTONDOWN &&
          PressedPadAction(bindings, event.jbutton.button, action))) &&
        (live || InPlayedDemo(ActionOf(action))))
        return Press(action, modeChanged);
    return KeepRunning; // held actions are read once a frame, after the events
}

} // namespace

void QuitOnHangUp() {
    std::signal(SIGHUP, HangUp);
}

bool TakeEvents(LoopState& state, bool live) {
    SDL_Event event{};
    bool modeChanged = false;
    if (hungUp && state == KeepRunning)
        state = Quit;
    while (SDL_PollEvent(&event)) {
        LoopState result = HandleEvent(event, live, modeChanged);
        if (state == KeepRunning)
            state = result;
    }
    return modeChanged;
}

LoopState ChangeWindowMode(WindowSize size, bool fullscreen) {
    return ChangeMode(fullscreen ? FullScreenSize : size,
                      fullscreen ? SDL_OPENGL | SDL_FULLSCREEN : WindowFlags);
}
