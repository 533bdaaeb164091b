// SPDX-License-Identifier: MIT
// Pressed actions taking effect: the ones that change a setting change it through its effect.
#include "KeyPresses.h"

#include "Chase.h"
#include "DemoPlay.h"
#include "Ghost.h"
#include "Hud.h"
#include "PlayerSettings.h"
#include "Screenshot.h"
#include "SettingEffects.h"

namespace {

// The settings an action changes, from those in force; false for an action that changes none.
bool WantedBy(Action action, Settings& wanted) {
    switch (action) {
    case Action::FullScreen:
        wanted.fullscreen = true;
        return true;
    case Action::Window:
        wanted.fullscreen = false;
        wanted.windowWidth = SmallWindowSize.width;
        wanted.windowHeight = SmallWindowSize.height;
        return true;
    case Action::Display:
        wanted.hud = !wanted.hud;
        return true;
    case Action::Sound:
        wanted.sound = !wanted.sound;
        return true;
    case Action::VolumeDown:
    case Action::VolumeUp:
        StepSetting(SettingNamed("volume"), wanted, action == Action::VolumeUp);
        return true;
    case Action::Ghost:
        wanted.ghost = wanted.ghost == GhostOff ? GhostToRace() : GhostOff;
        return true;
    default:
        return false;
    }
}

// What the display's corner says once the action has changed its setting: "Sound off", "Ghost
// on", "Volume 70%"; nothing for the others.
void ShowChanged(Action action, const std::string& note) {
    const Settings& now = SettingsInForce();
    const auto switched = [&](bool on) {
        ShowHudNote(ActionNote(action, (on ? "on" : "off") + (note.empty() ? "" : ": " + note)));
    };
    if (action == Action::Sound)
        switched(now.sound);
    else if (action == Action::Ghost)
        ShowHudNote(ActionNote(action, now.ghost + (note.empty() ? "" : ": " + note)));
    else if (action == Action::VolumeDown || action == Action::VolumeUp)
        ShowHudNote(ActionNote(action, std::to_string(now.volume) + "%"));
}

} // namespace

LoopState PressAction(Action action, bool& modeChanged) {
    Settings wanted = SettingsInForce();
    if (WantedBy(action, wanted)) {
        modeChanged = action == Action::FullScreen || action == Action::Window;
        std::string note;
        const LoopState state = ChangeSettings(wanted, note);
        ShowChanged(action, note);
        return state;
    }
    switch (action) {
    case Action::Quit:
        return Quit;
    case Action::Screenshot:
        AskForScreenshot();
        return KeepRunning;
    case Action::Restart:
        AskForNewChase();
        return KeepRunning;
    case Action::DemoPause:
    case Action::DemoSlower:
    case Action::DemoFaster:
    case Action::DemoStep:
    case Action::DemoStart:
        PressDemoAction(action);
        return KeepRunning;
    default:
        return KeepRunning; // a held action: read once a frame
    }
}
