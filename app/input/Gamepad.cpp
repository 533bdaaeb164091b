// SPDX-License-Identifier: MIT
// Reading the first joystick through SDL 1.2 into a snapshot for the pad mapping.
#include "Gamepad.h"

#include "PadKeys.h"

#include <SDL/SDL.h>

namespace {

SDL_Joystick* pad = nullptr;

// The open pad now.
PadSnapshot ReadPad() {
    SDL_JoystickUpdate();
    PadSnapshot snapshot;
    if (SDL_JoystickNumAxes(pad) >= 2) {
        snapshot.stickX = SDL_JoystickGetAxis(pad, 0);
        snapshot.stickY = SDL_JoystickGetAxis(pad, 1);
    }
    if (SDL_JoystickNumHats(pad) >= 1)
        snapshot.hat = SDL_JoystickGetHat(pad, 0);
    int buttons = SDL_JoystickNumButtons(pad);
    for (int b = 0; b < buttons && b < PadButtonCount; ++b)
        if (SDL_JoystickGetButton(pad, b))
            snapshot.buttons |= 1u << b;
    return snapshot;
}

} // namespace

void OpenGamepad() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == -1 || SDL_NumJoysticks() < 1)
        return;
    pad = SDL_JoystickOpen(0);
}

HeldKeys ReadGamepad(const Bindings& bindings) {
    return pad ? PadKeys(ReadPad(), bindings) : HeldKeys{};
}

uint8_t ReadPadLean() {
    return pad ? PadLean(ReadPad()) : 0;
}
