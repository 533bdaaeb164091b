// SPDX-License-Identifier: MIT
// Any bytes the game would read as a settings file (at most MaxSettingsBytes: a larger file is
// refused unread): every problem line is printable, the text written back with nothing changed is
// the text read, and with settings changed it reads back as those settings with no more lines
// found bad (a changed setting's bad line takes its good value); a player's new key and button
// merged into it are each kept or named, and the file written finds no more lines bad.
#include "FuzzCheck.h"
#include "Printable.h"
#include "SettingsText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const KeyNames Names = {{SDLK_SPACE, "space"},   {SDLK_UP, "up"},  {SDLK_x, "x"},
                        {SDLK_LALT, "left alt"}, {SDLK_HASH, "#"}, {SDLK_EQUALS, "="}};

// The settings the player could change in the game, changed as the input's first byte says.
Settings Changed(Settings settings, uint8_t how) {
    settings.hud = !settings.hud;
    settings.sound = (how & 1) != 0;
    settings.volume = how % 101;
    settings.fullscreen = (how & 2) != 0;
    settings.windowWidth = SmallestWindowSide + how;
    settings.windowHeight = LargestWindowSide - how;
    return settings;
}

// Every change either reads back as made or is named as not kept, and what is written finds no
// more lines bad than the file had.
void CheckMerge(const SettingsReading& file, Action action, SDLKey key, int button) {
    const Settings before;
    Settings after = before;
    Action holder;
    if (!KeyTaken(before.bindings, key, action, holder))
        after.bindings.keys[size_t(action)] = key;
    if (!PadButtonTaken(before.bindings, button, action, holder))
        after.bindings.padButtons[size_t(action)] = button;
    const SettingsMerge merge = MergeSettings(file, before, after, Names);
    const SettingsReading back = ReadSettingsText(merge.text, "f", Names);
    Require(back.problems.size() <= file.problems.size());
    size_t lost = 0;
    for (const SettingRow& row : SettingRows()) {
        const std::string made = SettingValueText(row, after, Names);
        if (made == SettingValueText(row, before, Names))
            continue;
        bool named = false;
        for (const std::string& line : merge.notKept)
            named = named || line.rfind(row.name + " = " + made + " not kept: ", 0) == 0;
        lost += named;
        Require(named || SettingValueText(row, back.settings, Names) == made);
    }
    Require(lost == merge.notKept.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > MaxSettingsBytes)
        return -1; // never read by the game, and kept out of the corpus
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const SettingsReading reading = ReadSettingsText(bytes, "f", Names);
    for (const std::string& problem : reading.problems)
        Require(problem.compare(0, 13, "starchase: f:") == 0 && Printable(problem) == problem);
    Require(WriteSettingsText(reading.text, reading.settings, reading.settings, Names) == bytes);

    const Settings now = Changed(reading.settings, size > 0 ? data[0] : 0);
    const std::string written = WriteSettingsText(reading.text, reading.settings, now, Names);
    const SettingsReading again = ReadSettingsText(written, "f", Names);
    Require(!SettingsDiffer(again.settings, now, Names));
    Require(again.problems.size() <= reading.problems.size());

    // A player who started on the defaults and bound one action to a key and a button the game
    // let them take, merged into these bytes as the file is at the end.
    if (size >= 3)
        CheckMerge(reading, Action(data[1] % ActionCount), Names[data[2] % Names.size()].key,
                   data[3 % size] % (PadButtonCount + 1) - 1);
    return 0;
}
