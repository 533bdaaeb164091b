// SPDX-License-Identifier: MIT
// The settings file read at start and written at the end.
#include "PlayerSettings.h"

#include "SdlKeyNames.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cstdio>

namespace {

struct PlayerSettings {
    bool used = false; // a settings file is read and written
    KeyNames names;
    SettingsFile file;
    Settings kept;
    bool windowFromOptions = false; // --window gave this run's window
};

PlayerSettings player;

} // namespace

Settings WithOptions(Settings settings, const GameOptions& options) {
    settings.hud = settings.hud || options.hud;
    settings.sound = settings.sound && !options.mute;
    settings.hints = settings.hints && options.hints;
    if (options.fullscreen)
        settings.fullscreen = true;
    if (!options.window.empty()) {
        settings.fullscreen = false;
        settings.windowWidth = options.windowWidth;
        settings.windowHeight = options.windowHeight;
    }
    return settings;
}

int AnswerHelp(const GameOptions& options) {
    const std::string path = options.noSettings ? "" : SettingsFilePath();
    SettingsFile file;
    if (!path.empty()) {
        std::string problem;
        file = ReadSettingsFile(path, SdlKeyNames(), problem);
        if (!problem.empty())
            std::fprintf(stderr, "%s\n", problem.c_str());
        for (const std::string& line : file.reading.problems)
            std::fprintf(stderr, "%s\n", line.c_str());
    }
    const std::string help =
        HelpText(file.reading.settings.bindings,
                 SettingsFileHelp(path, file.found, file.writable, options.noSettings));
    std::fputs(help.c_str(), stdout);
    return 0;
}

Settings StartSettings(const GameOptions& options) {
    player = PlayerSettings();
    player.names = SdlKeyNames();
    const std::string path = options.noSettings ? "" : SettingsFilePath();
    player.used = !path.empty();
    if (player.used) {
        std::string problem;
        player.file = ReadSettingsFile(path, player.names, problem);
        if (!problem.empty())
            std::fprintf(stderr, "%s\n", problem.c_str());
        for (const std::string& line : player.file.reading.problems)
            std::fprintf(stderr, "%s\n", line.c_str());
        player.kept = player.file.reading.settings;
    }
    player.windowFromOptions = !options.window.empty();
    return WithOptions(player.kept, options);
}

Settings& KeptSettings() {
    return player.kept;
}

const KeyNames& SettingsKeyNames() {
    return player.names;
}

void KeepWindow(int width, int height) {
    player.kept.fullscreen = false;
    player.kept.windowWidth = std::clamp(width, SmallestWindowSide, LargestWindowSide);
    player.kept.windowHeight = std::clamp(height, SmallestWindowSide, LargestWindowSide);
}

std::string WindowAskedAt() {
    if (player.windowFromOptions)
        return "--window";
    const std::vector<SettingRow>& rows = SettingRows();
    const SettingsText& text = player.file.reading.text;
    for (size_t r = 0; r < rows.size() && r < text.lineOfRow.size(); ++r)
        if (rows[r].kind == SizeSetting && text.lineOfRow[r] >= 0)
            return player.file.path + ":" + std::to_string(text.lineOfRow[r] + 1);
    return "the default window";
}

void SaveSettings() {
    std::vector<std::string> notKept;
    std::string problem;
    if (player.used && !SaveSettingsFile(player.file, player.kept, player.names, notKept, problem))
        notKept.push_back(problem);
    for (const std::string& line : notKept)
        std::fprintf(stderr, "%s\n", line.c_str());
}
