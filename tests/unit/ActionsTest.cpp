// SPDX-License-Identifier: MIT
// The actions table: rows that cannot be told apart, the key state and key presses read through
// it, key labels, and the README and manual page that must list the same keys.
#include "Actions.h"
#include "Bindings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// Keys and buttons may be shared between a live game's actions and a played demo's: the table's
// compile-time check keeps them apart where both answer.
TEST(Actions, NoTwoRowsShareAName) {
    std::set<std::string> names;
    for (const ActionRow& row : Actions) {
        std::string name = row.name;
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos)
            << name << ": the settings file spells actions in lower-case letters";
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_FALSE(std::string(row.help).empty()) << name;
    }
}

TEST(Actions, KeyStateAndPresses) {
    const struct {
        const char* what;
        std::vector<SDLKey> down;
        int count; // the length of the key state
        uint16_t held;
        bool pressed; // for the first key down
        Action action;
        bool live = true; // a live game, or a played demo
    } rows[] = {
        {"nothing", {}, SDLK_LAST, 0, false, Action::Quit},
        {"up and left alt",
         {SDLK_UP, SDLK_LALT},
         SDLK_LAST,
         ActionThrust | ActionStrafe,
         false,
         Action::Quit},
        {"every flying key",
         {SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_LCTRL, SDLK_SPACE},
         SDLK_LAST,
         ActionReverse | ActionLeft | ActionRight | ActionBoost | ActionFire,
         false,
         Action::Quit},
        {"p and t", {SDLK_p, SDLK_t}, SDLK_LAST, ActionPause | ActionRedLight, false, Action::Quit},
        {"a key past a short state", {SDLK_UP}, SDLK_UP, 0, false, Action::Quit},
        {"escape is pressed, not held", {SDLK_ESCAPE}, SDLK_LAST, 0, true, Action::Quit},
        {"F12", {SDLK_F12}, SDLK_LAST, 0, true, Action::Screenshot},
        {"h", {SDLK_h}, SDLK_LAST, 0, true, Action::Display},
        {"F1 beside up", {SDLK_F1, SDLK_UP}, SDLK_LAST, ActionThrust, true, Action::FullScreen},
        {"a key without an action", {SDLK_a}, SDLK_LAST, 0, false, Action::Quit},
        {"home does nothing in a live game", {SDLK_HOME}, SDLK_LAST, 0, false, Action::Quit},
        {"space pauses a played demo",
         {SDLK_SPACE},
         SDLK_LAST,
         ActionFire,
         true,
         Action::DemoPause,
         false},
        {"left slows a played demo",
         {SDLK_LEFT},
         SDLK_LAST,
         ActionLeft,
         true,
         Action::DemoSlower,
         false},
        {"h in a played demo", {SDLK_h}, SDLK_LAST, 0, true, Action::Display, false},
        {"r does nothing in a played demo", {SDLK_r}, SDLK_LAST, 0, false, Action::Quit, false},
    };
    for (const auto& row : rows) {
        std::vector<uint8_t> state(SDLK_LAST, 0);
        for (SDLKey key : row.down)
            state[key] = 1;
        EXPECT_EQ(HeldActionsOfKeys(DefaultBindings(), state.data(), row.count).bits, row.held)
            << row.what;
        Action action = Action::Count;
        bool pressed =
            !row.down.empty() && PressedAction(DefaultBindings(), row.down[0], row.live, action);
        EXPECT_EQ(pressed, row.pressed) << row.what;
        if (row.pressed) {
            EXPECT_EQ(action, row.action) << row.what;
        }
    }
}

TEST(Actions, KeyLabels) {
    const struct {
        SDLKey key;
        const char* label;
    } rows[] = {
        {SDLK_LALT, "Left Alt"}, {SDLK_F1, "F1"},
        {SDLK_F12, "F12"},       {SDLK_p, "P"},
        {SDLK_MINUS, "-"},       {SDLK_EQUALS, "="},
        {SDLK_SPACE, "Space"},   {SDLK_ESCAPE, "Escape"},
        {SDLK_KP0, "Keypad 0"},  {SDLKey(297), "key 297"}, // no key SDL names
    };
    for (const auto& row : rows)
        EXPECT_EQ(KeyLabel(row.key), row.label);
}

// Each action on a line of its own, a played demo's own after the line saying which of the
// others answer there.
TEST(Actions, HelpListsEveryActionOnItsOwnLine) {
    const std::string help = KeysHelp(DefaultBindings());
    const size_t played = help.find("\nIn a played demo (--play), of the keys above only\n  H, "
                                    "F12, M, -, =, F1, F2, Tab, G and Escape\nanswer, and a "
                                    "played demo's own:\n");
    ASSERT_NE(played, std::string::npos) << help;
    for (const ActionRow& row : Actions) {
        const std::string left = "  " + KeyLabel(row.key);
        const size_t at = help.find("\n" + left + std::string(18 - left.size(), ' ') +
                                    ActionHelp(row) + "\n");
        ASSERT_NE(at, std::string::npos) << row.name;
        EXPECT_EQ(at > played, !InLiveGame(row)) << row.name;
    }
    EXPECT_NE(help.find(" 1024x768 full screen\n"), std::string::npos);
    EXPECT_NE(help.find(" a 640x480 window\n"), std::string::npos);
    EXPECT_NE(help.find("button 1 fire while held, button 2 boost while held, button 3 strafe "
                        "while held, button 4 pause while held, button 8 options"),
              std::string::npos);
}

// The README's key table is written by hand; it lists the table's rows, in order.
TEST(Actions, ReadmeKeyTableMatches) {
    const std::string readme = FileText("../README.md");
    const std::string head = "| Key | Effect |\n|---|---|\n";
    size_t start = readme.find(head);
    ASSERT_NE(start, std::string::npos);
    start += head.size();
    size_t end = readme.find("\n\n", start);
    EXPECT_EQ(readme.substr(start, end + 1 - start), KeysMarkdown());
    // README's lines may break anywhere between words.
    std::string pad = PadButtonsText(DefaultBindings());
    std::string flat = readme;
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    EXPECT_NE(flat.find(pad + "."), std::string::npos) << "README's pad buttons: " << pad;
    const std::string played = "only " + PlayedDemoKeysText() + " (which stops it) answer";
    EXPECT_NE(flat.find(played), std::string::npos) << "README's keys in a played demo: " << played;
}

// The manual page as the build wrote it carries the key list and the pad's buttons.
TEST(Actions, ManualPageCarriesTheKeyList) {
    const std::string page = FileText(STARCHASE_MANUAL_PAGE);
    ASSERT_FALSE(page.empty()) << STARCHASE_MANUAL_PAGE;
    EXPECT_NE(page.find(".SH KEYS\n" + KeysManual()), std::string::npos);
    EXPECT_NE(page.find(PadButtonsText(DefaultBindings())), std::string::npos);
    EXPECT_EQ(page.find("@STARCHASE"), std::string::npos);
}
