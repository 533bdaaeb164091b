// SPDX-License-Identifier: MIT
// The keys' names both ways, as SDL gives them: a name the settings file reads is the key, a key
// is written and labelled by the file's name, and SDL's own names stay readable.
#include "KeyLabels.h"
#include "SdlKeyNames.h"
#include "SettingsText.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// The key `text` names in the settings file, read as the key of the action that holds `key` by
// default (fire for a free key), so as not to clash; SDLK_UNKNOWN when refused.
SDLKey KeyRead(const std::string& text, SDLKey key, const KeyNames& names) {
    const ActionRow* action = &ActionOf(Action::Fire);
    for (const ActionRow& row : Actions)
        action = row.key == key ? &row : action;
    SettingsReading reading = ReadSettingsText(
        std::string("key.") + action->name + " = " + text + "\n", "settings", names);
    return reading.problems.empty() ? reading.settings.bindings.keys[size_t(action->action)]
                                    : SDLK_UNKNOWN;
}

std::string Written(SDLKey key, const KeyNames& names) {
    Settings settings;
    settings.bindings.keys[size_t(Action::Fire)] = key;
    for (const SettingRow& row : SettingRows())
        if (row.name == "key.fire")
            return SettingValueText(row, settings, names);
    return "";
}

} // namespace

TEST(KeyNames, BothWaysTable) {
    const KeyNames names = SdlKeyNames();
    const struct {
        SDLKey key;
        const char *name, *label, *alsoRead; // written, shown, read too
    } rows[] = {
        {SDLK_KP6, "keypad 6", "Keypad 6", "[6]"},
        {SDLK_KP_ENTER, "keypad enter", "Keypad Enter", "enter"},
        {SDLK_RETURN, "return", "Return", "RETURN"},
        {SDLK_a, "a", "A", "A"},
        {SDLK_CAPSLOCK, "caps lock", "Caps Lock", "Caps Lock"},
        {SDLK_UNKNOWN, "none", "key 0", "keypad 10"}, // a name of no key is refused
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Written(row.key, names), row.name);
        EXPECT_EQ(KeyLabel(row.key), row.label);
        EXPECT_EQ(KeyRead(row.name, row.key, names), row.key);
        EXPECT_EQ(KeyRead(row.alsoRead, row.key, names), row.key);
    }
}

// Every key SDL names reads back from each of its names, is labelled as the file writes it, and,
// but for the keypad's and the characters, is written by SDL's own name.
TEST(KeyNames, EveryKeySdlNames) {
    const KeyNames names = SdlKeyNames();
    ASSERT_GT(names.size(), 200u) << "SDL named too few keys";
    for (const KeyName& named : names) {
        SCOPED_TRACE(named.name);
        EXPECT_EQ(KeyRead(named.name, named.key, names), named.key);
        std::string label = KeyLabel(named.key);
        for (char& c : label)
            c = char(std::tolower((unsigned char)c));
        EXPECT_EQ(label, Written(named.key, names));
        const bool character = named.key > SDLK_SPACE && named.key < SDLK_DELETE;
        if (!character && (named.key < SDLK_KP0 || named.key > SDLK_KP_EQUALS)) {
            EXPECT_EQ(Written(named.key, names), named.name) << "not SDL's name";
        }
    }
    const std::string manual = KeyNamesManual(names);
    EXPECT_NE(manual.find("\n\\fBkeypad 6\\fR (or \\fB[6]\\fR),\n"), std::string::npos);
    EXPECT_NE(manual.find("\n\\fB\\e\\fR,\n"), std::string::npos) << "the backslash key";
}
