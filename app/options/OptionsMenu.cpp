// SPDX-License-Identifier: MIT
// The options' edits and refusals, and the keys and pad buttons they answer.
#include "OptionsMenu.h"

#include "PadKeys.h"

#include <algorithm>

namespace {

bool Fits(const Settings& settings, WindowSize display) {
    return display.width == 0 ||
           (settings.windowWidth <= display.width && settings.windowHeight <= display.height);
}

// Left (`up` false) or Right on a fixed setting, past the window sizes `display` cannot show.
// False when the value stays.
bool ChangeWithin(const SettingRow& row, Settings& settings, bool up, WindowSize display) {
    for (Settings tried = settings; StepSetting(row, tried, up);)
        if (row.kind != SizeSetting || Fits(tried, display)) {
            settings = tried;
            return true;
        }
    return false;
}

// Delete on an action: its key and pad button taken away; an action that must keep one keeps both.
OptionsOutcome Unbind(OptionsMenu& menu, Settings& settings, Action action) {
    Bindings unbound = settings.bindings;
    unbound.keys[size_t(action)] = SDLK_UNKNOWN;
    unbound.padButtons[size_t(action)] = NoPadButton;
    menu.line = MissingBinding(unbound, action, OptionsLabel(action));
    if (!menu.line.empty())
        return {};
    OptionsOutcome outcome;
    outcome.changed = settings.bindings.keys[size_t(action)] != SDLK_UNKNOWN ||
                      settings.bindings.padButtons[size_t(action)] != NoPadButton;
    settings.bindings = unbound;
    menu.line = OptionsLabel(action) + " has no key or button now";
    return outcome;
}

// Enter on the chosen row.
OptionsOutcome Select(OptionsMenu& menu, Settings& settings, const OptionsRow& row,
                      const std::vector<RecordShown>& records) {
    OptionsOutcome outcome;
    if (row.setting) {
        outcome.changed = ChangeWithin(*row.setting, settings, true, menu.display);
    } else if (row.action != Action::Count) {
        menu.binding = true;
        menu.line = "Press a key or pad button for " + OptionsLabel(row.action) + "; Escape cancels";
    } else if (row.record < records.size() && records[row.record].known) {
        outcome.prove = true;
    } else if (row.record < records.size()) {
        menu.line = records[row.record].why;
    }
    return outcome;
}

bool HasName(const KeyNames& names, SDLKey key) {
    for (const KeyName& named : names)
        if (named.key == key)
            return true;
    return false;
}

// Ends the wait for a key or button: false with `refusal` said, or true with the binding, to
// `shown`, said.
bool EndWait(OptionsMenu& menu, const std::string& refusal, const std::string& shown) {
    menu.binding = false;
    menu.line = refusal.empty() ? OptionsLabel(OptionsRowAt(menu.row).action) + ": " + shown : refusal;
    return refusal.empty();
}

template <typename Input> OptionsOutcome Bind(Input& bound, Input wanted) {
    OptionsOutcome outcome;
    outcome.changed = bound != wanted;
    bound = wanted;
    return outcome;
}

// The refusal of a key or button (`what`) another action holds: "H is taken by Heads-up display".
std::string Taken(const std::string& what, Action holder) {
    return what + " is taken by " + OptionsLabel(holder);
}

} // namespace

void OpenOptions(OptionsMenu& menu) {
    menu.open = true;
    menu.binding = false;
    menu.line.clear();
}

OptionsOutcome PressInOptions(OptionsMenu& menu, Settings& settings, OptionsInput input,
                              const std::vector<RecordShown>& records) {
    const size_t count = OptionsRowCount(records.size());
    const OptionsRow row = OptionsRowAt(menu.row);
    if (menu.binding) { // a key binds, through BindKeyInOptions; anything else cancels
        menu.binding = false;
        menu.line.clear();
        return {};
    }
    menu.line.clear();
    switch (input) {
    case OptionsInput::Up:
    case OptionsInput::Down:
        menu.row = (menu.row + (input == OptionsInput::Up ? count - 1 : 1)) % count;
        return {};
    case OptionsInput::Left:
    case OptionsInput::Right:
        return {row.setting && ChangeWithin(*row.setting, settings, input == OptionsInput::Right,
                                            menu.display),
                false};
    case OptionsInput::Select:
        return Select(menu, settings, row, records);
    case OptionsInput::Unbind:
        return row.action == Action::Count ? OptionsOutcome{} : Unbind(menu, settings, row.action);
    case OptionsInput::Back:
    case OptionsInput::Close:
        menu.open = false;
        return {};
    }
    return {};
}

OptionsOutcome BindKeyInOptions(OptionsMenu& menu, Settings& settings, SDLKey key,
                                const KeyNames& names) {
    if (!menu.binding)
        return {};
    const Action action = OptionsRowAt(menu.row).action;
    Action holder = Action::Count;
    std::string refusal;
    if (!HasName(names, key))
        refusal = KeyLabel(key) + " has no name the settings file can keep";
    else if (KeyTaken(settings.bindings, key, action, holder))
        refusal = Taken(KeyLabel(key), holder);
    if (!EndWait(menu, refusal, KeyLabel(key)))
        return {};
    return Bind(settings.bindings.keys[size_t(action)], key);
}

OptionsOutcome BindPadButtonInOptions(OptionsMenu& menu, Settings& settings, int button) {
    if (!menu.binding || button < 0 || button >= PadButtonCount)
        return {};
    const Action action = OptionsRowAt(menu.row).action;
    Action holder = Action::Count;
    std::string refusal;
    if (PadButtonTaken(settings.bindings, button, action, holder))
        refusal = Taken(PadButtonText(button), holder);
    if (!EndWait(menu, refusal, PadButtonText(button)))
        return {};
    return Bind(settings.bindings.padButtons[size_t(action)], button);
}

void ShowProof(OptionsMenu& menu, const std::string& why) {
    menu.line = why.empty() ? "verified" : "not verified: " + why;
}

bool OptionsInputOfKey(SDLKey key, const Bindings& bindings, OptionsInput& input) {
    const struct {
        SDLKey key;
        OptionsInput input;
    } keys[] = {
        {SDLK_UP, OptionsInput::Up},
        {SDLK_DOWN, OptionsInput::Down},
        {SDLK_LEFT, OptionsInput::Left},
        {SDLK_RIGHT, OptionsInput::Right},
        {SDLK_RETURN, OptionsInput::Select},
        {SDLK_KP_ENTER, OptionsInput::Select},
        {SDLK_ESCAPE, OptionsInput::Back},
        {SDLK_DELETE, OptionsInput::Unbind},
        {SDLK_BACKSPACE, OptionsInput::Unbind},
        {bindings.keys[size_t(Action::Options)], OptionsInput::Close},
    };
    for (const auto& named : keys)
        if (named.key == key && key != SDLK_UNKNOWN) {
            input = named.input;
            return true;
        }
    return false;
}

bool OptionsInputOfPadButton(int button, const Bindings& bindings, OptionsInput& input) {
    const int own = bindings.padButtons[size_t(Action::Options)];
    if (button == 0 || button == 1)
        input = button == 0 ? OptionsInput::Select : OptionsInput::Back;
    else if (button == own && own != NoPadButton)
        input = OptionsInput::Close;
    return button == 0 || button == 1 || (button == own && own != NoPadButton);
}

bool OptionsInputOfPadLean(uint8_t newlyLeaning, OptionsInput& input) {
    const struct {
        uint8_t lean;
        OptionsInput input;
    } leans[] = {{PadUp, OptionsInput::Up},
                 {PadDown, OptionsInput::Down},
                 {PadLeft, OptionsInput::Left},
                 {PadRight, OptionsInput::Right}};
    for (const auto& lean : leans)
        if (newlyLeaning & lean.lean) {
            input = lean.input;
            return true;
        }
    return false;
}

