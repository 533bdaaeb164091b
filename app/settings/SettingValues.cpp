// SPDX-License-Identifier: MIT
// One setting's values: read from text, written, copied, described, and stepped as the options do.
#include "Printable.h"
#include "SettingsText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

bool SameLetters(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i]))
            return false;
    return true;
}

// A whole number of at most nine digits, no sign.
bool ReadWholeNumber(const std::string& text, int& number) {
    if (text.empty() || text.size() > 9)
        return false;
    number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    return true;
}

bool ReadNumberIn(const std::string& text, int low, int high, int& number) {
    return ReadWholeNumber(text, number) && number >= low && number <= high;
}

bool ReadSize(const std::string& text, int low, int high, int& width, int& height) {
    size_t x = text.find('x');
    return x != std::string::npos && ReadNumberIn(text.substr(0, x), low, high, width) &&
           ReadNumberIn(text.substr(x + 1), low, high, height);
}

std::string Range(const SettingRow& row) {
    return std::to_string(row.low) + " to " + std::to_string(row.high);
}

bool ReadKey(const std::string& text, const KeyNames& names, SDLKey& key) {
    if (SameLetters(text, "none")) {
        key = SDLK_UNKNOWN;
        return true;
    }
    for (const KeyName& named : names)
        if (SameLetters(text, named.name)) {
            key = named.key;
            return true;
        }
    return false;
}

std::string KeyNameOf(SDLKey key, const KeyNames& names) {
    for (const KeyName& named : names)
        if (named.key == key)
            return named.name;
    return "none";
}

// Where a value stands among `count` choices: the index of the one it equals, or just before the
// first whose `rank` is above its own (just after the last when none is). Only ranks above 0 are
// compared: a choice of 0 or below is a word such as auto or none, placed where the list puts it.
template <typename Rank> double Position(size_t count, Rank rank, long own, long equalAt) {
    if (equalAt >= 0)
        return double(equalAt);
    double position = -0.5;
    for (size_t i = 0; i < count; ++i) {
        if (rank(i) > own)
            return double(i) - 0.5;
        if (rank(i) > 0)
            position = double(i) + 0.5;
    }
    return position;
}

// The choice one step from `position`, up or down; -1 past either end.
int NextChoice(size_t count, double position, bool up) {
    const double next = up ? std::floor(position) + 1 : std::ceil(position) - 1;
    return next >= 0 && next < double(count) ? int(next) : -1;
}

bool StepNumber(const SettingRow& row, int& number, bool up) {
    const std::vector<int>& choices = row.choices;
    if (choices.empty()) {
        const int next = std::clamp(number + (up ? row.step : -row.step), row.low, row.high);
        const bool moved = next != number;
        number = next;
        return moved;
    }
    const long at = long(std::find(choices.begin(), choices.end(), number) - choices.begin());
    const auto rank = [&](size_t i) { return long(choices[i]); };
    const double position =
        Position(choices.size(), rank, number, at < long(choices.size()) ? at : -1);
    const int next = NextChoice(choices.size(), position, up);
    if (next >= 0)
        number = choices[size_t(next)];
    return next >= 0;
}

bool StepSize(const SettingRow& row, int& width, int& height, bool up) {
    const std::vector<WindowSize>& sizes = row.sizes;
    long at = -1;
    for (size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i].width == width && sizes[i].height == height)
            at = long(i);
    const auto area = [&](size_t i) { return long(sizes[i].width) * sizes[i].height; };
    const int next =
        NextChoice(sizes.size(), Position(sizes.size(), area, long(width) * height, at), up);
    if (next >= 0) {
        width = sizes[size_t(next)].width;
        height = sizes[size_t(next)].height;
    }
    return next >= 0;
}

// A ghost's value: a word in any case (on, from older files, is best), or a demo's file: text as
// it prints (no control, no byte that is not UTF-8) of at most MaxGhostBytes.
constexpr size_t MaxGhostBytes = 4096;

bool ReadGhost(const std::string& text, std::string& ghost) {
    if (SameLetters(text, "on") || SameLetters(text, GhostBest))
        ghost = GhostBest;
    else if (SameLetters(text, GhostOff))
        ghost = GhostOff;
    else if (text.empty() || text.size() > MaxGhostBytes || Printable(text) != text)
        return false;
    else
        ghost = text;
    return true;
}

// Off, best, then `ghosts`: one step along them from `ghost`, which goes to best when it is none
// of them.
bool StepGhost(std::string& ghost, bool up, const std::vector<std::string>& ghosts) {
    std::vector<std::string> all = {GhostOff, GhostBest};
    all.insert(all.end(), ghosts.begin(), ghosts.end());
    const auto at = std::find(all.begin(), all.end(), ghost);
    if (at == all.end()) {
        ghost = up ? GhostBest : GhostOff;
        return true;
    }
    const long next = long(at - all.begin()) + (up ? 1 : -1);
    if (next < 0 || next >= long(all.size()))
        return false;
    ghost = all[size_t(next)];
    return true;
}

} // namespace

bool ReadSettingValue(const SettingRow& row, const std::string& text, const KeyNames& names,
                      Settings& settings) {
    int number = 0, second = 0;
    switch (row.kind) {
    case SwitchSetting:
        if (!SameLetters(text, "on") && !SameLetters(text, "off"))
            return false;
        settings.*row.flag = SameLetters(text, "on");
        return true;
    case NumberSetting:
        if (row.automatic && SameLetters(text, row.automatic))
            number = AutomaticNumber;
        else if (!ReadNumberIn(text, row.low, row.high, number))
            return false;
        settings.*row.number = number;
        return true;
    case SizeSetting: {
        if (!ReadSize(text, row.low, row.high, number, second))
            return false;
        settings.*row.number = number;
        settings.*row.second = second;
        return true;
    }
    case KeySetting:
        return ReadKey(text, names, settings.bindings.keys[size_t(row.action)]);
    case GhostSetting:
        return ReadGhost(text, settings.*row.text);
    case PadSetting:
        if (SameLetters(text, "none")) {
            settings.bindings.padButtons[size_t(row.action)] = NoPadButton;
            return true;
        }
        if (!ReadNumberIn(text, row.low, row.high, number))
            return false;
        settings.bindings.padButtons[size_t(row.action)] = number - 1;
        return true;
    }
    return false;
}

void CopySetting(const SettingRow& row, const Settings& from, Settings& to) {
    switch (row.kind) {
    case SwitchSetting:
        to.*row.flag = from.*row.flag;
        break;
    case SizeSetting:
        to.*row.second = from.*row.second;
        [[fallthrough]];
    case NumberSetting:
        to.*row.number = from.*row.number;
        break;
    case KeySetting:
        to.bindings.keys[size_t(row.action)] = from.bindings.keys[size_t(row.action)];
        break;
    case PadSetting:
        to.bindings.padButtons[size_t(row.action)] = from.bindings.padButtons[size_t(row.action)];
        break;
    case GhostSetting:
        to.*row.text = from.*row.text;
        break;
    }
}

int FindSettingRow(const std::string& name) {
    const std::vector<SettingRow>& rows = SettingRows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return int(i);
    return -1;
}

std::string SettingValues(const SettingRow& row) {
    switch (row.kind) {
    case SwitchSetting:
        return "on or off";
    case NumberSetting:
        return "a whole number from " + Range(row) +
               (row.automatic ? std::string(" or ") + row.automatic : "");
    case SizeSetting:
        return "WIDTHxHEIGHT, each from " + Range(row);
    case KeySetting:
        return "a key's name or none";
    case PadSetting:
        return "a button from " + Range(row) + " or none";
    case GhostSetting:
        return "off, best, or a demo's file: its name in the ghosts folder, or its path";
    }
    return "";
}

const SettingRow& SettingNamed(const std::string& name) {
    return SettingRows()[size_t(std::max(FindSettingRow(name), 0))];
}

bool StepSetting(const SettingRow& row, Settings& settings, bool up,
                 const std::vector<std::string>& ghosts) {
    switch (row.kind) {
    case SwitchSetting:
        settings.*row.flag = !(settings.*row.flag);
        return true;
    case NumberSetting:
        return StepNumber(row, settings.*row.number, up);
    case SizeSetting:
        return StepSize(row, settings.*row.number, settings.*row.second, up);
    case GhostSetting:
        return StepGhost(settings.*row.text, up, ghosts);
    default:
        return false;
    }
}

std::string SettingValueText(const SettingRow& row, const Settings& settings,
                             const KeyNames& names) {
    switch (row.kind) {
    case SwitchSetting:
        return settings.*row.flag ? "on" : "off";
    case NumberSetting:
        return row.automatic && settings.*row.number == AutomaticNumber
                   ? row.automatic
                   : std::to_string(settings.*row.number);
    case SizeSetting:
        return std::to_string(settings.*row.number) + "x" + std::to_string(settings.*row.second);
    case KeySetting:
        return KeyNameOf(settings.bindings.keys[size_t(row.action)], names);
    case PadSetting: {
        int button = settings.bindings.padButtons[size_t(row.action)];
        return button == NoPadButton ? "none" : std::to_string(button + 1);
    }
    case GhostSetting:
        return settings.*row.text;
    }
    return "";
}
