// SPDX-License-Identifier: MIT
// The settings table: every setting's name, kind, values and the options' steps, help, and where
// it takes effect.
#include "SettingsText.h"

namespace {

// " (H)": the default key of an action that changes the setting in play.
std::string InPlay(Action action) {
    return " (" + KeyLabel(ActionOf(action).key) + ")";
}

SettingRow Switch(const char* name, const char* label, bool Settings::*flag, SettingEffect effect,
                  std::string help) {
    SettingRow row{name, SwitchSetting};
    row.label = label;
    row.flag = flag;
    row.effect = effect;
    row.help = std::move(help);
    return row;
}

SettingRow Number(const char* name, const char* label, int Settings::*number, int low, int high,
                  SettingEffect effect, std::string help) {
    SettingRow row{name, NumberSetting, low, high};
    row.label = label;
    row.number = number;
    row.effect = effect;
    row.help = std::move(help);
    return row;
}

std::vector<SettingRow> MakeRows() {
    SettingRow volume = Number("volume", "Volume", &Settings::volume, 0, 100, SettingEffect::Sound,
                               "the loudness of every sound in percent");
    volume.step = VolumeStep;
    SettingRow window{"window", SizeSetting, SmallestWindowSide, LargestWindowSide};
    window.number = &Settings::windowWidth;
    window.second = &Settings::windowHeight;
    window.effect = SettingEffect::Window;
    window.help = "the window's size in pixels";
    window.label = "Window size";
    window.sizes.assign(std::begin(OfferedWindowSizes), std::end(OfferedWindowSizes));
    // The display's rate, the rates displays run at, and no cap at all.
    SettingRow fps = Number("fps", "Frame cap", &Settings::fps, 0, 1000, SettingEffect::Read,
                            "the most frames drawn a second: auto follows the display's refresh "
                            "rate (" +
                                std::to_string(UnknownRefreshFps) +
                                " where it cannot be known), 0 draws as many as the machine can");
    fps.automatic = "auto";
    fps.choices = {AutomaticNumber, 30, 60, 75, 100, 120, 144, 165, 240, 0};
    SettingRow ghost{"ghost", GhostSetting};
    ghost.text = &Settings::ghost;
    ghost.effect = SettingEffect::Ghost;
    ghost.label = "Ghost";
    ghost.help = "the ghost raced from the start: off, best (the best chase kept for these ships), "
                 "or a demo's first chase" +
                 InPlay(Action::Ghost);
    std::vector<SettingRow> rows = {
        Switch("hud", "Heads-up display", &Settings::hud, SettingEffect::Display,
               "the heads-up display shown at start" + InPlay(Action::Display)),
        Switch("sound", "Sound", &Settings::sound, SettingEffect::Sound,
               "sound on at start" + InPlay(Action::Sound)),
        volume,
        Switch("fullscreen", "Full screen", &Settings::fullscreen, SettingEffect::Window,
               "start in " + SizeText(FullScreenSize) + " full screen (" +
                   KeyLabel(ActionOf(Action::FullScreen).key) + "; " +
                   KeyLabel(ActionOf(Action::Window).key) + " for a window)"),
        window,
        Switch("hints", "Keys panel at start", &Settings::hints, SettingEffect::Read,
               "the keys panel at start"),
        fps,
        ghost,
    };
    for (const ActionRow& action : Actions)
        rows.push_back({std::string("key.") + action.name, KeySetting, 0, 0, nullptr, nullptr,
                        nullptr, action.action, "the key to " + ActionHelp(action)});
    for (const ActionRow& action : Actions)
        rows.push_back({std::string("pad.") + action.name, PadSetting, 1, PadButtonCount, nullptr,
                        nullptr, nullptr, action.action,
                        "the pad button to " + ActionHelp(action)});
    return rows;
}

} // namespace

const std::vector<SettingRow>& SettingRows() {
    static const std::vector<SettingRow> rows = MakeRows();
    return rows;
}
