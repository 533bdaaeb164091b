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
    Settings inForce;
};

PlayerSettings player;

} // namespace

Settings StartSettings(bool readFile) {
    player = PlayerSettings();
    player.names = SdlKeyNames();
    const std::string path = readFile ? SettingsFilePath() : "";
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
    return player.kept;
}

const Settings& KeptSettings() {
    return player.kept;
}

const Settings& SettingsInForce() {
    return player.inForce;
}

void StartInForce(const Settings& start) {
    player.inForce = start;
}

void PutInForce(const Settings& now) {
    player.kept = WithChanges(player.kept, player.inForce, now, player.names);
    player.inForce = now;
}

const KeyNames& SettingsKeyNames() {
    return player.names;
}

void KeepWindow(bool fullscreen, int width, int height) {
    Settings now = player.inForce;
    now.fullscreen = fullscreen;
    if (!fullscreen) {
        now.windowWidth = std::clamp(width, SmallestWindowSide, LargestWindowSide);
        now.windowHeight = std::clamp(height, SmallestWindowSide, LargestWindowSide);
    }
    PutInForce(now);
}

std::string WindowAskedAt() {
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
