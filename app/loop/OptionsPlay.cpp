// SPDX-License-Identifier: MIT
// The options' presses turned into the game's changes, and the options drawn.
#include "OptionsPlay.h"

#include "Gamepad.h"
#include "OptionsMenu.h"
#include "OptionsPanel.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "SettingEffects.h"
#include "Video.h"

namespace {

struct OptionsPlay {
    OptionsMenu menu;
    BestChaseView best; // read as the options open
    uint8_t lean = 0;   // where the pad leaned at the last frame
};

OptionsPlay options;

// What a press came to: the best chase proved, or the settings changed to `after`. Where a
// setting did not take (the ghost with no best chase kept), its row shows it as it is.
LoopState Act(const OptionsOutcome& outcome, const Settings& after) {
    std::string why;
    if (outcome.prove && StartBestChaseProof(why))
        options.menu.line = "proving: replaying the best chase's demo";
    else if (outcome.prove)
        ShowProof(options.menu, why);
    std::string note;
    return outcome.changed ? ChangeSettings(after, note) : KeepRunning;
}

LoopState Press(OptionsInput input) {
    const Settings& before = SettingsInForce();
    Settings after = before;
    return Act(PressInOptions(options.menu, after, input, options.best), after);
}

LoopState TakeKey(SDLKey key) {
    const Settings& before = SettingsInForce();
    Settings after = before;
    OptionsInput input;
    if (options.menu.binding && key != SDLK_ESCAPE) // Escape cancels the wait
        return Act(BindKeyInOptions(options.menu, after, key, SettingsKeyNames()), after);
    return OptionsInputOfKey(key, before.bindings, input) ? Press(input) : KeepRunning;
}

LoopState TakeButton(int button) {
    const Settings& before = SettingsInForce();
    Settings after = before;
    OptionsInput input;
    if (options.menu.binding)
        return Act(BindPadButtonInOptions(options.menu, after, button), after);
    return OptionsInputOfPadButton(button, before.bindings, input) ? Press(input) : KeepRunning;
}

void Open() {
    OpenOptions(options.menu);
    options.menu.display = DisplaySize();
    options.best = BestChaseView();
    options.best.known = BestChaseText(options.best.time, options.best.ships);
    options.best.none = NoBestChase;
}

} // namespace

bool TakeOptionsEvent(const SDL_Event& event, LoopState& state) {
    const bool key = event.type == SDL_KEYDOWN, button = event.type == SDL_JOYBUTTONDOWN;
    if (!options.menu.open) {
        const Bindings& bindings = SettingsInForce().bindings;
        Action action = Action::Count;
        const bool opens = (key && PressedAction(bindings, event.key.keysym.sym, action)) ||
                           (button && PressedPadAction(bindings, event.jbutton.button, action));
        if (opens && action == Action::Options)
            Open();
        return opens && action == Action::Options;
    }
    if (key)
        state = TakeKey(event.key.keysym.sym);
    else if (button)
        state = TakeButton(event.jbutton.button);
    return key || button;
}

void TakeOptionsPad(LoopState& state) {
    const uint8_t lean = ReadPadLean();
    const uint8_t newly = lean & ~options.lean;
    options.lean = lean;
    OptionsInput input;
    if (options.menu.open && OptionsInputOfPadLean(newly, input) && state == KeepRunning)
        state = Press(input);
}

void TakeOptionsProof() {
    std::string why;
    if (TakeBestChaseProof(why)) {
        ShowProof(options.menu, why);
        options.best.known = BestChaseText(options.best.time, options.best.ships);
    }
}

HeldKeys PauseForOptions(HeldKeys keys) {
    return options.menu.open ? HeldKeys{ActionPause} : keys;
}

void DrawOptions() {
    if (options.menu.open)
        DrawOptionsPanel(
            OptionsLines(options.menu, SettingsInForce(), options.best, OptionsPanelLines()));
}

void StopOptions() {
    StopBestChaseProof();
    FreeOptionsPanel();
    options = OptionsPlay();
}
