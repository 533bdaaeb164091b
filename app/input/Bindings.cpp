// SPDX-License-Identifier: MIT
// Keys and pad buttons to actions through the player's bindings, and the help's list of them.
#include "Bindings.h"

#include <vector>

namespace {

// The first action bound to `input` in `inputs` that `takes` (a test of its row) takes, if any.
template <typename Input, typename Takes>
bool FindBound(const Input (&inputs)[ActionCount], Input input, Input none, Takes takes,
               Action& action) {
    if (input == none)
        return false;
    for (size_t i = 0; i < ActionCount; ++i)
        if (inputs[i] == input && takes(Actions[i])) {
            action = Action(i);
            return true;
        }
    return false;
}

// A test of the rows acted on when pressed in a live game (`live`) or a played demo.
auto PressedIn(bool live) {
    return [live](const ActionRow& row) {
        return row.heldBit == 0 && (live ? InLiveGame(row) : InPlayedDemo(row));
    };
}

// A test of the rows other than `action`'s that answer with it.
auto ClashingWith(Action action) {
    return [action](const ActionRow& row) {
        return row.action != action && AnswerTogether(row, ActionOf(action));
    };
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
        if (Actions[i].heldBit != 0 && button >= 0 && button < PadButtonCount &&
            (buttons >> button & 1u))
            held.bits = uint16_t(held.bits | Actions[i].heldBit);
    }
    return held;
}

bool PressedAction(const Bindings& bindings, SDLKey key, bool live, Action& action) {
    return FindBound(bindings.keys, key, SDLK_UNKNOWN, PressedIn(live), action);
}

bool PressedPadAction(const Bindings& bindings, int button, bool live, Action& action) {
    return FindBound(bindings.padButtons, button, NoPadButton, PressedIn(live), action);
}

bool KeyTaken(const Bindings& bindings, SDLKey key, Action action, Action& holder) {
    return FindBound(bindings.keys, key, SDLK_UNKNOWN, ClashingWith(action), holder);
}

std::string TakenRefusal(const std::string& what, Action holder) {
    return what + " is " + ActionOf(holder).name + "'s already";
}

bool PadButtonTaken(const Bindings& bindings, int button, Action action, Action& holder) {
    return FindBound(bindings.padButtons, button, NoPadButton, ClashingWith(action), holder);
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

namespace {

// One line of the help's key list: the key as bound ("no key" for none) and what it does.
std::string KeyLine(const Bindings& bindings, const ActionRow& row) {
    const SDLKey key = bindings.keys[size_t(row.action)];
    std::string left = "  " + (key == SDLK_UNKNOWN ? std::string("no key") : KeyLabel(key));
    return left + std::string(left.size() < HelpColumn ? HelpColumn - left.size() : 1, ' ') +
           ActionHelp(row) + "\n";
}

// The bound keys of the actions that answer in both games and are pressed, not held: "H, F12,
// ... and Escape".
std::string SharedKeysText(const Bindings& bindings) {
    std::vector<std::string> keys;
    for (const ActionRow& row : Actions)
        if (InPlayedDemo(row) && InLiveGame(row) &&
            bindings.keys[size_t(row.action)] != SDLK_UNKNOWN)
            keys.push_back(KeyLabel(bindings.keys[size_t(row.action)]));
    std::string text;
    for (size_t i = 0; i < keys.size(); ++i)
        text += (i == 0 ? "" : i + 1 == keys.size() ? " and " : ", ") + keys[i];
    return text.empty() ? "none" : text;
}

} // namespace

std::string KeysHelp(const Bindings& bindings) {
    std::string text = "Keys:\n", played;
    for (const ActionRow& row : Actions)
        (InLiveGame(row) ? text : played) += KeyLine(bindings, row);
    return text + "\nIn a played demo (--play), of the keys above only\n  " +
           SharedKeysText(bindings) + "\nanswer, and a played demo's own:\n" + played +
           "\nGamepad (the first one found): left stick or d-pad fly;\n  " +
           PadButtonsText(bindings) + ".\n";
}
