// SPDX-License-Identifier: MIT
// The settings' effects, one function each, and the settings in force brought to what took.
#include "SettingEffects.h"

#include "Ghost.h"
#include "Hud.h"
#include "PlayerSettings.h"
#include "Sound.h"
#include "Video.h"
#include "WindowEvents.h"

namespace {

// Each brings the game to `wanted` and leaves in it what took; false when no video mode works.
bool Display(Settings& wanted, std::string&) {
    ApplyDisplaySettings(wanted);
    wanted.hud = HudShown(); // not while the display's font cannot be had
    return true;
}

bool Sound(Settings& wanted, std::string&) {
    ApplySoundSettings(wanted);
    return true;
}

bool Window(Settings& wanted, std::string&) {
    if (wanted.fullscreen && SettingsInForce().fullscreen)
        return true; // a new window size waits for the window
    const bool worked = ChangeWindowMode({wanted.windowWidth, wanted.windowHeight},
                                         wanted.fullscreen) != NoVideoMode;
    const Settings& shown = SettingsInForce(); // as the screen took it
    wanted.fullscreen = shown.fullscreen;
    if (!shown.fullscreen) {
        wanted.windowWidth = shown.windowWidth;
        wanted.windowHeight = shown.windowHeight;
    }
    return worked;
}

bool Ghost(Settings& wanted, std::string& note) {
    if (!ChooseGhost(wanted.ghost, note))
        wanted.ghost = GhostOff; // no best chase kept
    return true;
}

struct EffectRow {
    SettingEffect effect;
    bool (*apply)(Settings& wanted, std::string& note);
};

// Every effect but Read, which is read where it is used.
constexpr EffectRow Effects[] = {{SettingEffect::Display, Display},
                                 {SettingEffect::Sound, Sound},
                                 {SettingEffect::Window, Window},
                                 {SettingEffect::Ghost, Ghost}};
static_assert(sizeof Effects / sizeof Effects[0] == size_t(SettingEffect::Read),
              "every setting effect but Read has its function");

// Whether a setting with `effect` differs between the two.
bool Differ(SettingEffect effect, const Settings& a, const Settings& b) {
    for (const SettingRow& row : SettingRows())
        if (row.effect == effect && SettingValueText(row, a, {}) != SettingValueText(row, b, {}))
            return true;
    return false;
}

} // namespace

void ApplyStartSettings(Settings start) {
    int width, height;
    start.fullscreen = !ShownWindow(width, height);
    if (!start.fullscreen) {
        start.windowWidth = width;
        start.windowHeight = height;
    }
    std::string note; // the ghost says why on standard error
    for (const EffectRow& row : Effects)
        if (row.effect != SettingEffect::Window)
            row.apply(start, note);
    StartInForce(start);
}

LoopState ChangeSettings(Settings wanted, std::string& note) {
    bool worked = true;
    for (const EffectRow& row : Effects)
        if (Differ(row.effect, wanted, SettingsInForce()))
            worked = row.apply(wanted, note) && worked;
    PutInForce(wanted);
    return worked ? KeepRunning : NoVideoMode;
}
