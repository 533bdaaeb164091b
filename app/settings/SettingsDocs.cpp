// SPDX-License-Identifier: MIT
// The settings table written out for the manual page and README.
#include "SettingsText.h"

#include "Printable.h"

#include <cctype>
#include <cstring>

namespace {

// The row of key.NAME for the first action; pad.NAME rows follow the key rows.
size_t KeyRow() {
    const std::vector<SettingRow>& rows = SettingRows();
    size_t row = 0;
    while (rows[row].kind != KeySetting)
        ++row;
    return row;
}

// The default key of an action as SDL names it: the help texts' label in lower case.
std::string DefaultKeyName(const ActionRow& action) {
    std::string name = KeyLabel(action.key);
    for (char& c : name)
        c = char(std::tolower((unsigned char)c));
    return name;
}

} // namespace

std::string SettingsManual() {
    std::string text;
    for (const SettingRow& row : SettingRows())
        if (row.kind != KeySetting && row.kind != PadSetting)
            text += (text.empty() ? ".TP 20\n.B " : ".TP\n.B ") + row.name + "\n" +
                    RoffText(SettingValues(row) + ": " + row.help) + "; by default\n.BR " +
                    SettingValueText(row, Settings(), {}) + " .\n";
    text += ".TP\n.BI key. action\n" + RoffText(SettingValues(SettingRows()[KeyRow()])) +
            ": the key for the action, by its name (as\n"
            ".BR space ,\n.BR \"left alt\" ,\n.BR f1 ,\n.BR \\- ,\n.BR \"keypad 0\" ;\n"
            "every name is listed below).\n"
            ".TP\n.BI pad. action\n" +
            RoffText(SettingValues(SettingRows()[KeyRow() + ActionCount])) +
            ": the pad button for the action.\n.PP\nThe actions, with their default key "
            "and pad button:\n.PP\n.RS\n.nf\n";
    for (const ActionRow& action : Actions)
        text +=
            RoffText(std::string(action.name) + std::string(12 - std::strlen(action.name), ' ') +
                     DefaultKeyName(action) + std::string(12 - DefaultKeyName(action).size(), ' ') +
                     (action.padButton < 0 ? "none" : std::to_string(action.padButton + 1))) +
            "\n";
    return text + ".fi\n.RE\n";
}

std::string SettingsMarkdown() {
    std::string text;
    for (const SettingRow& row : SettingRows())
        if (row.kind != KeySetting && row.kind != PadSetting)
            text += "| " + row.name + " | " + SettingValues(row) + " | " +
                    SettingValueText(row, Settings(), {}) + " | " + row.help + " |\n";
    return text;
}

std::string KeyNamesManual(const KeyNames& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        bool named = false; // before, under the file's name
        for (size_t j = 0; j < i; ++j)
            named = named || names[j].key == names[i].key;
        if (named)
            continue;
        text += (text.empty() ? "\\fB" : ",\n\\fB") + RoffText(names[i].name) + "\\fR";
        for (size_t j = i + 1; j < names.size(); ++j)
            if (names[j].key == names[i].key)
                text += " (or \\fB" + RoffText(names[j].name) + "\\fR)";
    }
    return text;
}
