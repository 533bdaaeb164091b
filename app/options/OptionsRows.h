// SPDX-License-Identifier: MIT
// The options' rows in the player's words: three headed sections (the settings, the keys, the
// records), each row labelled as the player reads it ("Heads-up display" rather than the settings
// file's `hud` or `display`).
#pragma once

#include "SettingsText.h"

#include <cstddef>
#include <string>

// What an options row is: a fixed setting (its row of SettingRows), an action, or neither: a row
// of the records view.
struct OptionsRow {
    const SettingRow* setting = nullptr;
    Action action = Action::Count;
    size_t record = 0; // neither: which of the records view's rows
};

enum class OptionsSection : uint8_t { Settings, Keys, Records };

// Every row: the fixed settings, then the actions, then the `records` rows of the records view.
size_t OptionsRowCount(size_t records);
OptionsRow OptionsRowAt(size_t index);

OptionsSection SectionOf(const OptionsRow& row);

// The section's heading: "Settings", "Keys", "Records".
std::string SectionHeading(OptionsSection section);

// The row's label, capitalised as a line starts: "Frame cap", "Red light", "Record" (a records
// row's line names its ships instead). Empty for a setting or an action without a label (a test
// holds that none is missing).
std::string OptionsLabel(const OptionsRow& row);
std::string OptionsLabel(Action action);

// A pad button as the options name it, counted from 1: "button 3".
std::string PadButtonText(int button);
