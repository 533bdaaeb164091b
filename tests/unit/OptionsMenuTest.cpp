// SPDX-License-Identifier: MIT
// The options on screen as plain data: moves through the rows, edits of settings and bindings,
// refusals, what the settings file is then given, and the lines drawn.
#include "OptionsMenu.h"
#include "PadKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

const KeyNames Names = {{SDLK_SPACE, "space"}, {SDLK_UP, "up"}, {SDLK_f, "f"},
                        {SDLK_o, "o"},         {SDLK_p, "p"},   {SDLK_ESCAPE, "escape"}};

const BestChaseView Best = {true, "49.000", "/home/pat/ships"};

// The row of a fixed setting or an action by its name in the settings file; the best chase last.
size_t RowNamed(const std::string& name) {
    size_t row = 0;
    for (const SettingRow& setting : SettingRows())
        if (setting.kind != KeySetting && setting.kind != PadSetting && setting.name != name)
            ++row;
        else if (setting.name == name)
            return row;
    for (const ActionRow& action : Actions)
        if (action.name == name)
            return row;
        else
            ++row;
    return row;
}

// The title over the rows with the row of `name` chosen: "Options · 15 of 30".
std::string Title(const std::string& name) {
    return "Options \u00b7 " + std::to_string(RowNamed(name) + 1) + " of " +
           std::to_string(OptionsRowCount());
}

// Plays `steps` on open options: "up", "down", "left", "right", "enter", "esc", "del", "close";
// "to:NAME" (Down to that row), "key:NAME" (a key from Names, or "key:#N" for SDLKey N),
// "pad:N" (button N counted from 1). Gives whether a proof was asked for.
bool Play(OptionsMenu& menu, Settings& settings, const std::string& steps,
          const BestChaseView& best) {
    const std::pair<const char*, OptionsInput> inputs[] = {
        {"up", OptionsInput::Up},        {"down", OptionsInput::Down},
        {"left", OptionsInput::Left},    {"right", OptionsInput::Right},
        {"enter", OptionsInput::Select}, {"esc", OptionsInput::Back},
        {"del", OptionsInput::Unbind},   {"close", OptionsInput::Close}};
    std::istringstream words(steps);
    bool prove = false;
    for (std::string step; words >> step;) {
        const std::string value = step.substr(step.find(':') + 1);
        for (size_t i = 0; step.rfind("to:", 0) == 0 && menu.row != RowNamed(value); ++i) {
            if (i == OptionsRowCount()) {
                ADD_FAILURE() << "no row " << value;
                break;
            }
            PressInOptions(menu, settings, OptionsInput::Down, best);
        }
        if (step.rfind("key:#", 0) == 0)
            BindKeyInOptions(menu, settings, SDLKey(std::stoi(step.substr(5))), Names);
        for (const KeyName& key : Names)
            if (step == "key:" + key.name)
                BindKeyInOptions(menu, settings, key.key, Names);
        if (step.rfind("pad:", 0) == 0)
            BindPadButtonInOptions(menu, settings, std::stoi(value) - 1);
        for (const auto& [word, input] : inputs)
            if (step == word)
                prove = PressInOptions(menu, settings, input, best).prove || prove;
    }
    return prove;
}

} // namespace

TEST(OptionsMenu, EditsRefusalsAndWhatIsWritten) {
    const struct {
        const char* what;
        void (*start)(Settings&);
        const char* steps;
        const char* written; // into an empty settings file
        const char* line;
        bool open = true, prove = false;
    } rows[] = {
        {"Right on the first row turns the display on", nullptr, "right", "hud = on\n", ""},
        {"the volume by ten, never past the top", nullptr, "to:volume right left left",
         "volume = 80\n", ""},
        {"a switch goes back and forth", nullptr, "to:sound left left right", "sound = off\n", ""},
        {"the frame cap from auto up its steps, never below auto", nullptr,
         "to:fps left right right", "fps = 60\n", ""},
        {"a cap between steps goes to the nearest above", [](Settings& s) { s.fps = 50; },
         "to:fps right", "fps = 60\n", ""},
        {"a cap between steps goes to the nearest below", [](Settings& s) { s.fps = 50; },
         "to:fps left", "fps = 30\n", ""},
        {"past the highest cap none, which is the last", [](Settings& s) { s.fps = 240; },
         "to:fps right right", "fps = 0\n", ""},
        {"the window through its sizes, the smallest the end",
         [](Settings& s) { s.windowWidth = 640, s.windowHeight = 480; },
         "to:window left right right", "window = 1024x768\n", ""},
        {"a window between sizes steps to the next", [](Settings& s) { s.windowWidth = 1000; },
         "to:window left", "window = 800x600\n", ""},
        {"Enter on an action waits for its key, which binds it", nullptr, "to:fire enter key:f",
         "key.fire = f\n", "Fire: F"},
        {"a key another action holds is refused, naming it", nullptr, "to:fire enter key:up", "",
         "Up is taken by Thrust"},
        {"the options' own key is held too", nullptr, "to:fire enter key:o", "",
         "O is taken by Options"},
        {"a key the file has no name for is refused", nullptr, "to:fire enter key:#160", "",
         "World 0 has no name the settings file can keep"},
        {"the key the action has already changes nothing", nullptr, "to:fire enter key:space", "",
         "Fire: Space"},
        {"Escape while waiting cancels, and the options stay", nullptr, "to:fire enter esc", "",
         ""},
        {"Left and Right leave an action alone", nullptr, "to:fire left right", "", ""},
        {"Delete takes an action's key and button", nullptr, "to:fire del",
         "key.fire = none\npad.fire = none\n", "Fire has no key or button now"},
        {"a key freed by Delete can be taken", nullptr, "to:fire del up to:thrust enter key:space",
         "key.thrust = space\nkey.fire = none\npad.fire = none\n", "Thrust: Space"},
        {"quit keeps its key", nullptr, "to:quit del", "", "Quit cannot be left without a key"},
        {"the options keep a key or a button", nullptr, "to:options del", "",
         "Options cannot be left without a key or a button"},
        {"a pad button another action holds is refused", nullptr, "to:pause enter pad:1", "",
         "button 1 is taken by Fire"},
        {"a free pad button binds", nullptr, "to:pause enter pad:1 enter pad:10",
         "pad.pause = 10\n", "Pause: button 10"},
        {"Up from the first row is the best chase; Enter proves it", nullptr, "up enter", "", "",
         true, true},
        {"Escape closes and changes nothing", nullptr, "down esc", "", "", false},
        {"the options' key closes them", nullptr, "close", "", "", false},
    };
    for (const auto& row : rows) {
        Settings start;
        if (row.start)
            row.start(start);
        Settings settings = start;
        OptionsMenu menu;
        OpenOptions(menu);
        const bool prove = Play(menu, settings, row.steps, Best);
        EXPECT_EQ(WriteSettingsText(SettingsText{}, start, settings, Names), row.written)
            << row.what;
        EXPECT_EQ(menu.line, row.line) << row.what;
        EXPECT_EQ(menu.open, row.open) << row.what;
        EXPECT_EQ(prove, row.prove) << row.what;
        EXPECT_FALSE(menu.binding) << row.what;
    }
}

TEST(OptionsMenu, InputsOfKeysAndThePad) {
    Bindings rebound = DefaultBindings();
    rebound.keys[size_t(Action::Options)] = SDLK_F3;
    rebound.padButtons[size_t(Action::Options)] = NoPadButton;
    OptionsInput input;
    EXPECT_TRUE(OptionsInputOfKey(SDLK_KP_ENTER, rebound, input) && input == OptionsInput::Select);
    EXPECT_TRUE(OptionsInputOfKey(SDLK_BACKSPACE, rebound, input) && input == OptionsInput::Unbind);
    EXPECT_TRUE(OptionsInputOfKey(SDLK_F3, rebound, input) && input == OptionsInput::Close);
    EXPECT_FALSE(OptionsInputOfKey(SDLK_o, rebound, input));
    EXPECT_FALSE(OptionsInputOfKey(SDLK_UNKNOWN, rebound, input));
    EXPECT_TRUE(OptionsInputOfPadButton(1, rebound, input) && input == OptionsInput::Back);
    EXPECT_TRUE(OptionsInputOfPadButton(7, DefaultBindings(), input) &&
                input == OptionsInput::Close);
    EXPECT_FALSE(OptionsInputOfPadButton(7, rebound, input));
    EXPECT_TRUE(OptionsInputOfPadLean(PadDown | PadRight, input) && input == OptionsInput::Down);
    EXPECT_FALSE(OptionsInputOfPadLean(0, input));
}

TEST(OptionsMenu, Lines) {
    const std::string longShips = "/home/pat/" + std::string(60, 'x') + "/ships-\u00e9t\u00e9";
    const std::string actionKeys = "Up, Down: choose \u00b7 Enter: bind \u00b7 Delete, Backspace: unbind";
    const struct {
        const char* what;
        const char* steps;
        BestChaseView best;
        size_t mostLines;
        std::vector<std::string> lines;
    } rows[] = {
        {"the rows around the chosen one, labelled, with what it does and every key it takes",
         "to:fire",
         Best,
         12,
         {Title("fire"), "   Turn right: Right", "   Strafe: Left Alt, button 3",
          "   Boost: Left Ctrl, button 2", "> Fire: Space, button 1", "   Pause: P, button 4",
          "   Red light: T", "fire", "", "", actionKeys, "O, Escape: close"}},
        {"a section's heading above its first row", "to:thrust", Best, 9,
         {Title("thrust"), "Keys", "> Thrust: Up", "   Reverse: Down", "thrust forward", "", "",
          actionKeys, "O, Escape: close"}},
        {"waiting for a key, with room for the chosen row alone",
         "to:quit enter",
         Best,
         7,
         {Title("quit"), "> Quit: press a key or a pad button",
          "quit (closing the window quits too)", "", "",
          "Press a key or pad button for Quit; Escape cancels", ""}},
        {"a long folder shortened at a separator",
         "up",
         {true, "49.000", longShips},
         7,
         {Title("best"), "> Best chase: 49.000 s, ships of .../ships-\u00e9t\u00e9",
          "Enter replays its demo to prove it, as shipyard records does", "", "",
          "Up, Down: choose \u00b7 Enter: prove \u00b7 O, Escape: close", ""}},
        {"no best chase yet",
         "up enter",
         {false, "", "", "no best chase kept for these ships yet"},
         7,
         {Title("best"), "> Best chase: none yet for these ships",
          "Enter replays its demo to prove it, as shipyard records does", "", "",
          "no best chase kept for these ships yet", ""}},
    };
    for (const auto& row : rows) {
        Settings settings;
        OptionsMenu menu;
        OpenOptions(menu);
        Play(menu, settings, row.steps, row.best);
        EXPECT_EQ(OptionsLines(menu, settings, row.best, row.mostLines), row.lines) << row.what;
    }
    // Every row shown under its heading when there is room, the first chosen; a verdict too long
    // for a line wraps.
    Settings settings;
    OptionsMenu menu;
    OpenOptions(menu);
    ShowProof(menu, "the demo's chase ends in 68.100 s " + std::string(70, 'y'));
    const std::vector<std::string> all = OptionsLines(menu, settings, Best, 0);
    const auto at = [&all](const std::string& line) {
        return std::find(all.begin(), all.end(), line) - all.begin();
    };
    EXPECT_EQ(all.size(), 1 + 3 + OptionsRowCount() + 3 + 3);
    EXPECT_EQ(at("Settings"), 1);
    EXPECT_EQ(at("> Heads-up display: off"), 2);
    EXPECT_LT(at("   Frame cap: auto"), at("Keys"));
    EXPECT_LT(at("Keys"), at("   Red light: T"));
    EXPECT_LT(at("   Quit: Escape"), at("Records"));
    EXPECT_EQ(at("Records") + 1, at("   Best chase: 49.000 s, ships of /home/pat/ships"));
    EXPECT_EQ(all[all.size() - 3], "not verified: the demo's chase ends in 68.100 s");
    EXPECT_EQ(all.back(), std::string(10, 'y'));
}

// The block stays put: as many lines, and none wider than the options', on every row.
TEST(OptionsMenu, LinesKeepTheirPlace) {
    Settings settings;
    OptionsMenu menu;
    OpenOptions(menu);
    const size_t lines = OptionsLines(menu, settings, Best, 14).size();
    for (size_t i = 0; i < OptionsRowCount(); ++i) {
        const std::vector<std::string> shown = OptionsLines(menu, settings, Best, 14);
        EXPECT_EQ(shown.size(), lines) << "row " << i;
        for (const std::string& line : shown)
            EXPECT_LE(line.size(), OptionsWidth + 8) << line; // a few UTF-8 bytes more at most
        PressInOptions(menu, settings, OptionsInput::Down, Best);
    }
}

// Every row has a label in the player's words, none of them the settings file's name.
TEST(OptionsMenu, EveryRowLabelled) {
    for (size_t i = 0; i < OptionsRowCount(); ++i) {
        const OptionsRow row = OptionsRowAt(i);
        const std::string label = OptionsLabel(row);
        EXPECT_FALSE(label.empty()) << "row " << i;
        const char* name = row.setting ? row.setting->name.c_str()
                           : row.action != Action::Count ? ActionOf(row.action).name
                                                         : "";
        if (std::string(name).size() > 6) // thrust, fire, quit... are already words
            EXPECT_NE(label, name) << "row " << i;
    }
    EXPECT_EQ(OptionsLabel(Action::Display), "Heads-up display");
    EXPECT_EQ(OptionsLabel(Action::VolumeDown), "Volume down");
}

TEST(OptionsMenu, ReopenedOnTheRowLastChosen) {
    Settings settings;
    OptionsMenu menu;
    OpenOptions(menu);
    Play(menu, settings, "to:fire enter esc esc", Best);
    EXPECT_FALSE(menu.open);
    OpenOptions(menu);
    EXPECT_EQ(menu.row, RowNamed("fire"));
    EXPECT_FALSE(menu.binding);
}

// The window sizes offered are those the display can show: 1920x1080 is not offered on a
// 1280x1024 screen, nor 1600x900, which is wider.
TEST(OptionsMenu, WindowSizesTheDisplayShows) {
    const struct {
        int width, height;
        const char* steps;
        const char* written;
    } rows[] = {
        {1280, 720, "right right", "window = 1280x1024\n"},
        {1920, 1080, "left", "window = 1280x1024\n"},
        {640, 480, "left", ""},
    };
    for (const auto& row : rows) {
        Settings start;
        start.windowWidth = row.width, start.windowHeight = row.height;
        Settings settings = start;
        OptionsMenu menu;
        menu.display = {1280, 1024};
        OpenOptions(menu);
        Play(menu, settings, std::string("to:window ") + row.steps, Best);
        EXPECT_EQ(WriteSettingsText(SettingsText{}, start, settings, Names), row.written)
            << row.width << "x" << row.height << " " << row.steps;
    }
}
