// SPDX-License-Identifier: MIT
// Pressed actions taking effect.
#include "KeyPresses.h"

#include "Chase.h"
#include "Ghost.h"
#include "Hud.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "Screenshot.h"
#include "Sound.h"
#include "WindowEvents.h"

namespace {

constexpr int VolumeStep = 10; // percent, for each press of a volume key

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

} // namespace

LoopState PressAction(Action action, bool& modeChanged) {
    switch (action) {
    case Action::Quit:
        return Quit;
    case Action::FullScreen:
        modeChanged = true;
        return ChangeWindowMode(FullScreenSize, true);
    case Action::Window:
        modeChanged = true;
        return ChangeWindowMode(SmallWindowSize, false);
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
