// SPDX-License-Identifier: MIT
// The window's events as they come: presses, resizes, quits and the hang-up; and the window's
// mode changed.
#include "WindowEvents.h"

#include "Bindings.h"
#include "Chase.h"
#include "OptionsPlay.h"
#include "PlayerSettings.h"
#include "SceneSetUp.h"
#include "Video.h"

#include <SDL/SDL.h>

#include <csignal>

namespace {

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
    const bool windowed = ShownWindow(width, height);
    KeepWindow(!windowed, width, height);
    return KeepRunning;
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
    const Bindings& bindings = SettingsInForce().bindings;
    Action action;
    if (((event.type == SDL_KEYDOWN && PressedAction(bindings, event.key.keysym.sym, action)) ||
         (event.type == SDL_JOYBUTTONDOWN &&
          PressedPadAction(bindings, event.jbutton.button, action))) &&
        (live || InPlayedDemo(ActionOf(action))))
        return PressAction(action, modeChanged);
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
