// SPDX-License-Identifier: MIT
// Keys and pad buttons to actions through the player's bindings, and the help's list of them.
#include "Bindings.h"

namespace {

// The first action bound to `input` in `inputs` (other than `except`), if any.
template <typename Input>
bool FindBound(const Input (&inputs)[ActionCount], Input input, Input none, size_t except,
               Action& action) {
    if (input == none)
        return false;
    for (size_t i = 0; i < ActionCount; ++i)
        if (i != except && inputs[i] == input) {
            action = Action(i);
            return true;
        }
    return false;
}

// The help texts' column for what a key does.
constexpr size_t HelpColumn = 18;

} // namespace

Bindings DefaultBindings() {
    Bindings bindings;
    for (size_t i = 0; i < ActionCount; ++i) {
        bindings.keys[i] = Actions[i].key;
        bindings.padButtons[i] = Actions[i].padButton;
    }
    return bindings;
}

HeldKeys HeldActionsOfKeys(const Bindings& bindings, const uint8_t* state, int count) {
    HeldKeys held;
    for (size_t i = 0; i < ActionCount; ++i) {
        const SDLKey key = bindings.keys[i];
        if (Actions[i].heldBit != 0 && key != SDLK_UNKNOWN && key < count && state[key] != 0)
            held.bits = uint16_t(held.bits | Actions[i].heldBit);
    }
    return held;
}

HeldKeys HeldActionsOfPadButtons(const Bindings& bindings, uint32_t buttons) {
    HeldKeys held;
    for (size_t i = 0; i < ActionCount; ++i) {
        const int button = bindings.padButtons[i];
        if (Actions[i].heldBit != 0 && button >= 0 && button < PadButtonCount && (buttons >> button & 1u))
            held.bits = uint16_t(held.bits | Actions[i].heldBit);
    }
    return held;
}

bool PressedAction(const Bindings& bindings, SDLKey key, Action& action) {
    return FindBound(bindings.keys, key, SDLK_UNKNOWN, ActionCount, action) &&
           ActionOf(action).heldBit == 0;
}

bool PressedPadAction(const Bindings& bindings, int button, Action& action) {
    return FindBound(bindings.padButtons, button, NoPadButton, ActionCount, action) &&
           ActionOf(action).heldBit == 0;
}

bool KeyTaken(const Bindings& bindings, SDLKey key, Action action, Action& holder) {
    return FindBound(bindings.keys, key, SDLK_UNKNOWN, size_t(action), holder);
}

std::string TakenRefusal(const std::string& what, Action holder) {
    return what + " is " + ActionOf(holder).name + "'s already";
}

bool PadButtonTaken(const Bindings& bindings, int button, Action action, Action& holder) {
    return FindBound(bindings.padButtons, button, NoPadButton, size_t(action), holder);
}

std::string MissingBinding(const Bindings& bindings, Action action, std::string called) {
    const bool key = bindings.keys[size_t(action)] != SDLK_UNKNOWN;
    const bool button = bindings.padButtons[size_t(action)] != NoPadButton;
    const std::string name = called.empty() ? ActionOf(action).name : called;
    switch (ActionOf(action).mustKeep) {
    case MustKeep::Nothing:
        break;
    case MustKeep::Key:
        return key ? "" : name + " cannot be left without a key";
    case MustKeep::KeyOrButton:
        return key || button ? "" : name + " cannot be left without a key or a button";
    }
    return "";
}

std::string PadButtonsText(const Bindings& bindings) {
    std::string text;
    for (int button = 0; button < PadButtonCount; ++button)
        for (size_t i = 0; i < ActionCount; ++i)
            if (bindings.padButtons[i] == button)
                text += (text.empty() ? "button " : ", button ") + std::to_string(button + 1) +
                        " " + Actions[i].name + (Actions[i].heldBit ? " while held" : "");
    return text.empty() ? "no buttons" : text;
}

std::string KeysHelp(const Bindings& bindings) {
    std::string text = "Keys:\n";
    for (size_t i = 0; i < ActionCount; ++i) {
        const SDLKey key = bindings.keys[i];
        std::string left = "  " + (key == SDLK_UNKNOWN ? std::string("no key") : KeyLabel(key));
        text += left + std::string(left.size() < HelpColumn ? HelpColumn - left.size() : 1, ' ') +
                ActionHelp(Actions[i]) + "\n";
    }
    return text + "\nGamepad (the first one found): left stick or d-pad fly;\n  " +
           PadButtonsText(bindings) + ".\n";
}
