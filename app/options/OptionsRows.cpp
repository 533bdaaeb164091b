// SPDX-License-Identifier: MIT
// The options' rows and sections, and their labels: a fixed setting's from its row, an action's
// here.
#include "OptionsRows.h"

#include <vector>

namespace {

struct Label {
    const char* name; // as the settings file spells it: `hud`, `redlight`
    const char* label;
};

const Label ActionLabels[] = {
    {"thrust", "Thrust"},           {"reverse", "Reverse"},
    {"left", "Turn left"},          {"right", "Turn right"},
    {"strafe", "Strafe"},           {"boost", "Boost"},
    {"fire", "Fire"},               {"pause", "Pause"},
    {"redlight", "Red light"},      {"display", "Heads-up display"},
    {"screenshot", "Screenshot"},   {"sound", "Sound off or on"},
    {"volumedown", "Volume down"},  {"volumeup", "Volume up"},
    {"fullscreen", "Full screen"},  {"window", "Back to a window"},
    {"restart", "New chase"},       {"keys", "Keys panel"},
    {"ghost", "Ghost off or on"},   {"options", "Options"},
    {"quit", "Quit"},
    {"demopause", "Demo: pause, play on"},
    {"demoslower", "Demo: slower"},
    {"demofaster", "Demo: faster"},
    {"demostep", "Demo: a frame on"},
    {"demostart", "Demo: from the start"},
};

template <size_t Count> std::string Find(const Label (&labels)[Count], const std::string& name) {
    for (const Label& label : labels)
        if (name == label.name)
            return label.label;
    return "";
}

std::vector<const SettingRow*> MakeFixedRows() {
    std::vector<const SettingRow*> fixed;
    for (const SettingRow& row : SettingRows())
        if (row.kind != KeySetting && row.kind != PadSetting)
            fixed.push_back(&row);
    return fixed;
}

const std::vector<const SettingRow*>& FixedRows() {
    static const std::vector<const SettingRow*> fixed = MakeFixedRows();
    return fixed;
}

} // namespace

size_t OptionsRowCount(size_t records) {
    return FixedRows().size() + ActionCount + records;
}

OptionsRow OptionsRowAt(size_t index) {
    OptionsRow row;
    const size_t fixed = FixedRows().size();
    if (index < fixed)
        row.setting = FixedRows()[index];
    else if (index < fixed + ActionCount)
        row.action = Action(index - fixed);
    else
        row.record = index - fixed - ActionCount;
    return row;
}

OptionsSection SectionOf(const OptionsRow& row) {
    return row.setting                  ? OptionsSection::Settings
           : row.action != Action::Count ? OptionsSection::Keys
                                         : OptionsSection::Records;
}

std::string SectionHeading(OptionsSection section) {
    const char* const headings[] = {"Settings", "Keys", "Records"};
    return headings[size_t(section)];
}

std::string OptionsLabel(const OptionsRow& row) {
    if (row.setting)
        return row.setting->label;
    return row.action != Action::Count ? OptionsLabel(row.action) : "Record";
}

std::string OptionsLabel(Action action) {
    return Find(ActionLabels, ActionOf(action).name);
}

std::string PadButtonText(int button) {
    return "button " + std::to_string(button + 1);
}
