// SPDX-License-Identifier: MIT
// Which key and which pad button the player does each action with: the actions table's defaults,
// or the player's own from the settings file. Pure: key states and pad readings come as data.
#pragma once

#include "Actions.h"
#include "HeldKeys.h"

#include <SDL/SDL_keysym.h>

#include <cstdint>
#include <string>

// No pad button for an action.
constexpr int NoPadButton = -1;

// Indexed by Action. A key of SDLK_UNKNOWN, or a button of NoPadButton, leaves the action without
// one. Pad buttons are numbered from 0 as SDL numbers them (the settings file counts from 1).
struct Bindings {
    SDLKey keys[ActionCount];
    int padButtons[ActionCount];
};

// The actions table's keys and buttons.
Bindings DefaultBindings();

// The held actions of a key state as SDL_GetKeyState gives it: `count` entries indexed by SDLKey,
// nonzero for a key held.
HeldKeys HeldActionsOfKeys(const Bindings& bindings, const uint8_t* state, int count);

// The held actions of the pad's buttons: bit n of `buttons` is button n held.
HeldKeys HeldActionsOfPadButtons(const Bindings& bindings, uint32_t buttons);

// The action acted on when `key` (or pad button `button`) is pressed in a live game (`live`) or a
// played demo, if any: false for a held action's key, a key without an action, or one whose
// action does nothing there.
bool PressedAction(const Bindings& bindings, SDLKey key, bool live, Action& action);
bool PressedPadAction(const Bindings& bindings, int button, bool live, Action& action);

// The action other than `action` that `key` (or `button`) is bound to and that answers with it
// (AnswerTogether); false when there is none. A key may do one thing in a live game and another
// in a played demo.
bool KeyTaken(const Bindings& bindings, SDLKey key, Action action, Action& holder);
bool PadButtonTaken(const Bindings& bindings, int button, Action action, Action& holder);

// The refusal of a key or button, as `what` names it, that `holder` holds: "F is fire's already".
std::string TakenRefusal(const std::string& what, Action holder);

// Why `bindings` leave `action` short of what its row says it must keep: "quit cannot be left
// without a key", "options cannot be left without a key or a button", the action `called` so
// when given; empty when they do not.
std::string MissingBinding(const Bindings& bindings, Action action, std::string called = "");

// The pad's buttons as bound, with what each does: "button 1 fire while held, ..., button 8
// options"; "no buttons" when none is bound.
std::string PadButtonsText(const Bindings& bindings);

// The key list of --help: one line per action of a live game, its key as bound ("no key" for
// none) and what it does; then those that answer in a played demo, and its own actions' lines;
// then the pad's buttons.
std::string KeysHelp(const Bindings& bindings);
