// SPDX-License-Identifier: MIT
// The options on screen as plain data: moves through the rows, edits of settings and bindings,
// refusals, what the settings file is then given, the records view's rows, and the lines drawn.
#include "OptionsMenu.h"
#include "PadKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

const KeyNames Names = {{SDLK_SPACE, "space"}, {SDLK_UP, "up"}, {SDLK_f, "f"},
                        {SDLK_o, "o"},         {SDLK_p, "p"},   {SDLK_ESCAPE, "escape"}};

// A records row as ShowRecords makes it.
RecordShown Kept(uint64_t set, const std::string& ships, const std::string& name,
                 const std::string& time, const std::string& date, bool played = false) {
    RecordShown shown;
    shown.known = true, shown.played = played, shown.set = set;
    shown.ships = ships, shown.name = name, shown.time = time;
    shown.demoFile = date.empty() ? "" : "best.demo";
    shown.date = date;
    return shown;
}

const std::vector<RecordShown> Best = {Kept(1, "the ships in /home/pat/ships", "/home/pat/ships",
                                            "49.000", "2025-03-01", true)};

// The ships being played with no record kept.
RecordShown NotKept() {
    RecordShown shown;
    shown.played = true;
    shown.ships = shown.name = "the installed ships";
    shown.why = "no best chase kept for these ships yet";
    return shown;
}

// The row of a fixed setting or an action by its name in the settings file; "best" is the first
// records row.
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
std::string Title(const std::string& name, size_t records = 1) {
    return "Options \u00b7 " + std::to_string(RowNamed(name) + 1) + " of " +
           std::to_string(OptionsRowCount(records));
}

// Plays `steps` on open options: "up", "down", "left", "right", "enter", "esc", "del", "close";
// "to:NAME" (Down to that row), "key:NAME" (a key from Names, or "key:#N" for SDLKey N),
// "pad:N" (button N counted from 1). Gives whether a proof was asked for.
bool Play(OptionsMenu& menu, Settings& settings, const std::string& steps,
          const std::vector<RecordShown>& best) {
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
            if (i == OptionsRowCount(best.size())) {
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
        std::vector<RecordShown> best;
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
         {Kept(1, "the ships in " + longShips, longShips, "49.000", "2025-03-01", true)},
         7,
         {Title("best"), "> .../ships-\u00e9t\u00e9: 49.000 s, 2025-03-01, not proved",
          "The ships in", "/home/pat/" + std::string(50, 'x'),
          std::string(10, 'x') + "/ships-\u00e9t\u00e9, being played. Enter replays its demo",
          "to prove it, as shipyard records does",
          "Up, Down: choose \u00b7 Enter: prove \u00b7 O, Escape: close", ""}},
        {"no record yet for the ships being played",
         "up enter",
         {NotKept()},
         7,
         {Title("best"), "> The installed ships: none yet",
          "The installed ships, being played. No record kept for them", "yet", "",
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
    EXPECT_EQ(all.size(), 1 + 3 + OptionsRowCount(1) + 3 + 3);
    EXPECT_EQ(at("Settings"), 1);
    EXPECT_EQ(at("> Heads-up display: off"), 2);
    EXPECT_LT(at("   Frame cap: auto"), at("Keys"));
    EXPECT_LT(at("Keys"), at("   Red light: T"));
    EXPECT_LT(at("   Quit: Escape"), at("Records"));
    EXPECT_EQ(at("Records") + 1, at("   /home/pat/ships: 49.000 s, 2025-03-01, not proved"));
    EXPECT_EQ(all[all.size() - 3], "not verified: the demo's chase ends in 68.100 s");
    EXPECT_EQ(all.back(), std::string(10, 'y'));
}

// The block stays put: as many lines, and none wider than the options', on every row.
TEST(OptionsMenu, LinesKeepTheirPlace) {
    Settings settings;
    OptionsMenu menu;
    OpenOptions(menu);
    const size_t lines = OptionsLines(menu, settings, Best, 14).size();
    for (size_t i = 0; i < OptionsRowCount(Best.size()); ++i) {
        const std::vector<std::string> shown = OptionsLines(menu, settings, Best, 14);
        EXPECT_EQ(shown.size(), lines) << "row " << i;
        for (const std::string& line : shown)
            EXPECT_LE(line.size(), OptionsWidth + 8) << line; // a few UTF-8 bytes more at most
        PressInOptions(menu, settings, OptionsInput::Down, Best);
    }
}

// Every row has a label in the player's words, none of them the settings file's name.
TEST(OptionsMenu, EveryRowLabelled) {
    for (size_t i = 0; i < OptionsRowCount(1); ++i) {
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

// A records file of several sets: the ships being played first, then the others in the file's
// order, each worded as the first place holding its set words it.
TEST(OptionsMenu, RecordsView) {
    const std::string text = "starchase records 1\n"
                             "# ship set, best chase in seconds, its demo\n"
                             "00000000000000aa 61.200 best-00000000000000aa-61200.demo\n"
                             "00000000000000bb 49.000 best-00000000000000bb-49000.demo\n"
                             "00000000000000cc 7.5 -\n";
    Records records;
    std::string reason;
    ASSERT_TRUE(ParseRecords(text, records, reason)) << reason;
    const auto place = [](const std::string& words, bool found, uint64_t set) {
        ShipSetPlace at;
        at.words = words, at.found = found, at.set = set;
        return at;
    };
    const std::vector<ShipSetPlace> places = {
        place("the ships in /home/pat/mods", true, 0xbb),
        place("the ships in the current folder", true, 0xbb), place("the installed ships", true, 0xaa)};
    const std::vector<RecordShown> shown = ShowRecords(records, places, "none");
    ASSERT_EQ(shown.size(), 3u);
    const struct {
        const char* name;
        bool played;
        uint64_t set;
        const char* ships, *time, *demo;
    } rows[] = {
        {"/home/pat/mods", true, 0xbb, "the ships in /home/pat/mods", "49.000",
         "best-00000000000000bb-49000.demo"},
        {"the installed ships", false, 0xaa, "the installed ships", "61.200",
         "best-00000000000000aa-61200.demo"},
        {"set 00000000000000cc", false, 0xcc, "ship set 00000000000000cc, its ships not here",
         "7.500", ""},
    };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown[i].name, rows[i].name);
        EXPECT_TRUE(shown[i].known) << rows[i].name;
        EXPECT_EQ(shown[i].played, rows[i].played) << rows[i].name;
        EXPECT_EQ(shown[i].set, rows[i].set) << rows[i].name;
        EXPECT_EQ(shown[i].ships, rows[i].ships) << rows[i].name;
        EXPECT_EQ(shown[i].time, rows[i].time) << rows[i].name;
        EXPECT_EQ(shown[i].demoFile, rows[i].demo) << rows[i].name;
    }

    // Ships with no record kept, or not hashed: a first row that says why, the records after it.
    for (const ShipSetPlace& played : {place("the ships in /tmp/new", true, 0xdd),
                                       place("the ships in /tmp/broken", false, 0)}) {
        std::vector<ShipSetPlace> others = places;
        others.front() = played;
        const std::vector<RecordShown> none = ShowRecords(records, others, "none kept");
        ASSERT_EQ(none.size(), 4u) << played.words;
        EXPECT_FALSE(none[0].known);
        EXPECT_TRUE(none[0].played);
        EXPECT_EQ(none[0].why, "none kept");
        EXPECT_EQ(none[0].name, played.words.substr(13));
        EXPECT_EQ(none[3].name, "set 00000000000000cc");
    }
    EXPECT_EQ(ShowRecords(Records(), {}, "no folder").size(), 1u);
}

// The records rows in the options, found by their ships: time, date, proof; Enter proves the row
// chosen, and a verdict against it is told in full below.
TEST(OptionsMenu, RecordsRows) {
    std::vector<RecordShown> records = {
        NotKept(), Kept(0xaa, "the ships in /srv/mods", "/srv/mods", "61.200", "2025-03-01"),
        Kept(0xcc, "ship set 00000000000000cc, its ships not here", "set 00000000000000cc",
             "7.500", "")};
    records[1].check = RecordCheck::NotVerified;
    records[1].why = "the demo's chase ends in 68.100 s";
    records[2].demoFile = "best-00000000000000cc-7500.demo"; // named, but not there to date
    records[2].check = RecordCheck::Proving;
    Settings settings;
    OptionsMenu menu;
    OpenOptions(menu);
    const std::vector<std::string> all = OptionsLines(menu, settings, records, 0);
    const auto has = [&all](const std::string& line) {
        return std::find(all.begin(), all.end(), line) != all.end();
    };
    EXPECT_TRUE(has("   The installed ships: none yet"));
    EXPECT_TRUE(has("   /srv/mods: 61.200 s, 2025-03-01, not verified"));
    EXPECT_TRUE(has("   Set 00000000000000cc: 7.500 s, demo missing, proving"));
    EXPECT_EQ(all.size(), 1 + 3 + OptionsRowCount(3) + 3 + 2);

    // Up from the first row is the last records row; Up again the one with its proof failed.
    EXPECT_TRUE(Play(menu, settings, "up enter", records));
    Play(menu, settings, "up", records);
    const std::vector<std::string> chosen = OptionsLines(menu, settings, records, 9);
    EXPECT_EQ(chosen[1], "   The installed ships: none yet");
    EXPECT_EQ(chosen[2], "> /srv/mods: 61.200 s, 2025-03-01, not verified");
    EXPECT_EQ(chosen[4], "The ships in /srv/mods. Not verified: the demo's chase ends");
    EXPECT_EQ(chosen[5], "in 68.100 s");
    EXPECT_FALSE(Play(menu, settings, "up enter", records));
    EXPECT_EQ(menu.line, "no best chase kept for these ships yet");
    records[2].demoFile.clear();
    EXPECT_EQ(OptionsLines(menu, settings, records, 0)[OptionsRowCount(3) + 3],
              "   Set 00000000000000cc: 7.500 s, no demo, proving");
}
