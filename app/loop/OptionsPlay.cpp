// SPDX-License-Identifier: MIT
// The options' presses turned into the game's changes, and the options drawn.
#include "OptionsPlay.h"

#include "Gamepad.h"
#include "Ghost.h"
#include "Hud.h"
#include "OptionsMenu.h"
#include "OptionsPanel.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "Sound.h"
#include "Video.h"
#include "WindowEvents.h"

namespace {

struct OptionsPlay {
    OptionsMenu menu;
    BestChaseView best; // read as the options open
    uint8_t lean = 0;   // where the pad leaned at the last frame
};

OptionsPlay options;

// The settings in force: the kept ones, with what this run shows where the command line may have
// set it otherwise (--hud, --mute, --ghost, --fullscreen, --window).
Settings LiveSettings() {
    Settings live = KeptSettings();
    live.hud = HudShown();
    live.sound = !SoundMuted();
    live.volume = SoundVolume();
    live.ghost = GhostShown();
    int width, height;
    live.fullscreen = !ShownWindow(width, height);
    if (!live.fullscreen) {
        live.windowWidth = width;
        live.windowHeight = height;
    }
    return live;
}

// Brings the game to `wanted` where it differs: the display, sound, volume, ghost, full screen or
// window. The frame loop follows the kept frame cap by itself.
LoopState Apply(const Settings& wanted) {
    if (HudShown() != wanted.hud)
        ToggleHud();
    if (SoundMuted() == wanted.sound)
        ToggleMute();
    SetSoundVolume(wanted.volume);
    std::string whyNot; // the ghost's row shows it still off: no best chase is kept
    if (GhostShown() != wanted.ghost)
        KeptSettings().ghost = ToggleGhost(BestDemoPath, whyNot);
    int width, height;
    const bool windowed = ShownWindow(width, height);
    if (wanted.fullscreen && windowed)
        return ChangeWindowMode(FullScreenSize, true);
    if (!wanted.fullscreen &&
        (!windowed || width != wanted.windowWidth || height != wanted.windowHeight))
        return ChangeWindowMode({wanted.windowWidth, wanted.windowHeight}, false);
    return KeepRunning;
}

// What a press came to: the best chase proved, or the change from `before` to `after` kept and
// applied.
LoopState Act(const OptionsOutcome& outcome, const Settings& before, const Settings& after) {
    if (outcome.prove) {
        ShowProof(options.menu, ProveBestChase());
        options.best.known = BestChaseText(options.best.time, options.best.ships);
    }
    if (!outcome.changed)
        return KeepRunning;
    KeptSettings() = WithChanges(KeptSettings(), before, after, SettingsKeyNames());
    return Apply(after);
}

LoopState Press(OptionsInput input) {
    const Settings before = LiveSettings();
    Settings after = before;
    return Act(PressInOptions(options.menu, after, input, options.best), before, after);
}

LoopState TakeKey(SDLKey key) {
    const Settings before = LiveSettings();
    Settings after = before;
    OptionsInput input;
    if (options.menu.binding && key != SDLK_ESCAPE) // Escape cancels the wait
        return Act(BindKeyInOptions(options.menu, after, key, SettingsKeyNames()), before, after);
    return OptionsInputOfKey(key, before.bindings, input) ? Press(input) : KeepRunning;
}

LoopState TakeButton(int button) {
    const Settings before = LiveSettings();
    Settings after = before;
    OptionsInput input;
    if (options.menu.binding)
        return Act(BindPadButtonInOptions(options.menu, after, button), before, after);
    return OptionsInputOfPadButton(button, before.bindings, input) ? Press(input) : KeepRunning;
}

void Open() {
    OpenOptions(options.menu);
    options.best = BestChaseView();
    options.best.known = BestChaseText(options.best.time, options.best.ships);
}

} // namespace

bool TakeOptionsEvent(const SDL_Event& event, LoopState& state) {
    const bool key = event.type == SDL_KEYDOWN, button = event.type == SDL_JOYBUTTONDOWN;
    if (!options.menu.open) {
        const Bindings& bindings = KeptSettings().bindings;
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

HeldKeys PauseForOptions(HeldKeys keys) {
    return options.menu.open ? HeldKeys{ActionPause} : keys;
}

void DrawOptions() {
    if (options.menu.open)
        DrawOptionsPanel(
            OptionsLines(options.menu, LiveSettings(), options.best, OptionsPanelLines()));
}

void StopOptions() {
    FreeOptionsPanel();
    options = OptionsPlay();
}
