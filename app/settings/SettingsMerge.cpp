// SPDX-License-Identifier: MIT
// The player's changes merged into the settings file as it is now, each judged against it.
#include "SettingsText.h"

namespace {

// The first change still kept that cannot stand: one that clashes in `wanted` (the file's
// settings with the kept changes), or one that `readBack` (what the text written reads back as)
// does not hold. -1 when every kept change stands; else its row, with why in `reason`.
int LostChange(const std::vector<bool>& kept, const Settings& wanted, const Settings& readBack,
               const KeyNames& names, std::string& reason) {
    const std::vector<SettingRow>& rows = SettingRows();
    for (size_t r = 0; r < rows.size(); ++r)
        if (kept[r] && !(reason = BindingProblem(rows[r], wanted, names)).empty())
            return int(r);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!kept[r] ||
            SettingValueText(rows[r], wanted, names) == SettingValueText(rows[r], readBack, names))
            continue;
        Settings tried = readBack;
        CopySetting(rows[r], wanted, tried);
        reason = BindingProblem(rows[r], tried, names);
        if (reason.empty())
            reason = "the file reads it back otherwise";
        return int(r);
    }
    return -1;
}

} // namespace

SettingsMerge MergeSettings(const SettingsReading& file, const Settings& before,
                            const Settings& after, const KeyNames& names) {
    const std::vector<SettingRow>& rows = SettingRows();
    std::vector<bool> kept(rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        kept[r] = SettingValueText(rows[r], before, names) != SettingValueText(rows[r], after, names);
    SettingsMerge merge;
    for (;;) { // each turn keeps one change fewer, down to none: the file as it is
        Settings wanted = file.settings;
        for (size_t r = 0; r < rows.size(); ++r)
            if (kept[r])
                CopySetting(rows[r], after, wanted);
        merge.text = WriteSettingsText(file.text, file.settings, wanted, names);
        merge.settings = ReadSettingsText(merge.text, "", names).settings;
        std::string reason;
        const int lost = LostChange(kept, wanted, merge.settings, names, reason);
        if (lost < 0)
            return merge;
        kept[size_t(lost)] = false;
        merge.notKept.push_back(rows[size_t(lost)].name + " = " +
                                SettingValueText(rows[size_t(lost)], after, names) +
                                " not kept: " + reason);
    }
}
