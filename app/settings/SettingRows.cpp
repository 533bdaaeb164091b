// SPDX-License-Identifier: MIT
// The settings table: every setting's name, kind, range, place in the record and help.
#include "SettingsText.h"

namespace {

// " (H)": the default key of an action that changes the setting in play.
std::string InPlay(Action action) {
    return " (" + KeyLabel(ActionOf(action).key) + ")";
}

std::vector<SettingRow> MakeRows() {
    std::vector<SettingRow> rows = {
        {"hud", SwitchSetting, 0, 0, &Settings::hud, nullptr, nullptr, Action::Count,
         "the heads-up display shown at start" + InPlay(Action::Display)},
        {"sound", SwitchSetting, 0, 0, &Settings::sound, nullptr, nullptr, Action::Count,
         "sound on at start" + InPlay(Action::Sound)},
        {"volume", NumberSetting, 0, 100, nullptr, &Settings::volume, nullptr, Action::Count,
         "the loudness of every sound in percent"},
        {"fullscreen", SwitchSetting, 0, 0, &Settings::fullscreen, nullptr, nullptr, Action::Count,
         "start in " + SizeText(FullScreenSize) + " full screen (" + KeyLabel(ActionOf(Action::FullScreen).key) + "; " +
             KeyLabel(ActionOf(Action::Window).key) + " for a window)"},
        {"window", SizeSetting, SmallestWindowSide, LargestWindowSide, nullptr,
         &Settings::windowWidth, &Settings::windowHeight, Action::Count,
         "the window's size in pixels"},
        {"hints", SwitchSetting, 0, 0, &Settings::hints, nullptr, nullptr, Action::Count,
         "the keys panel at start"},
        {"fps", NumberSetting, 0, 1000, nullptr, &Settings::fps, nullptr, Action::Count,
         "the most frames drawn a second: auto follows the display's refresh rate (60 where it "
         "cannot be known), 0 draws as many as the machine can",
         "auto"},
        {"ghost", SwitchSetting, 0, 0, &Settings::ghost, nullptr, nullptr, Action::Count,
         "the best chase's ghost shown at start" + InPlay(Action::Ghost)},
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
