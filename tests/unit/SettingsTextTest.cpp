// SPDX-License-Identifier: MIT
// The settings file's text rules: good, bad, unknown, duplicate and hostile lines; bindings and
// their conflicts; and the write-back that keeps every line it does not change.
#include "SettingsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The names SDL gives these keys; the game asks SDL for all of them.
const KeyNames Names = {
    {SDLK_SPACE, "space"},
    {SDLK_UP, "up"},
    {SDLK_DOWN, "down"},
    {SDLK_LEFT, "left"},
    {SDLK_RIGHT, "right"},
    {SDLK_LALT, "left alt"},
    {SDLK_LCTRL, "left ctrl"},
    {SDLK_RETURN, "return"},
    {SDLK_x, "x"},
    {SDLK_p, "p"},
    {SDLK_t, "t"},
    {SDLK_h, "h"},
    {SDLK_m, "m"},
    {SDLK_F1, "f1"},
    {SDLK_F2, "f2"},
    {SDLK_F12, "f12"},
    {SDLK_ESCAPE, "escape"},
    {SDLK_o, "o"},
    {SDLK_HASH, "#"},
    {SDLK_EQUALS, "="},
    {SDLK_MINUS, "-"},
    {SDLK_HOME, "home"},
    {SDLK_PERIOD, "."},
};

std::string Value(const Settings& settings, const std::string& name) {
    for (const SettingRow& row : SettingRows())
        if (row.name == name)
            return SettingValueText(row, settings, Names);
    ADD_FAILURE() << "no setting " << name;
    return "";
}

struct ReadRow {
    const char* what;
    std::string text;
    std::vector<std::pair<const char*, const char*>> values; // setting, value after reading
    std::vector<std::string> problems;                       // after "starchase: settings:"
};

void CheckReading(const ReadRow& row) {
    SCOPED_TRACE(row.what);
    SettingsReading reading = ReadSettingsText(row.text, "settings", Names);
    for (const auto& [name, value] : row.values)
        EXPECT_EQ(Value(reading.settings, name), value) << name;
    std::vector<std::string> expected;
    for (const std::string& problem : row.problems)
        expected.push_back("starchase: settings:" + problem);
    EXPECT_EQ(reading.problems, expected);
}

} // namespace

TEST(SettingsText, Lines) {
    const ReadRow rows[] = {
        {"no file is the defaults",
         "",
         {{"hud", "off"},
          {"sound", "on"},
          {"volume", "100"},
          {"fullscreen", "off"},
          {"window", "1024x768"},
          {"hints", "on"},
          {"fps", "auto"},
          {"ghost", "off"},
          {"key.fire", "space"},
          {"key.quit", "escape"},
          {"pad.fire", "1"},
          {"pad.thrust", "none"}},
         {}},
        {"good lines among blanks, tabs, comments and CR LF line ends",
         "# mine\n\n  hud = on\r\nvolume=70 # quieter\n\twindow\t=\t800x600\nfps = 0\n"
         "sound = OFF\nghost = on",
         {{"hud", "on"},
          {"volume", "70"},
          {"window", "800x600"},
          {"fps", "0"},
          {"sound", "off"},
          {"ghost", "best"}},
         {}},
        {"the ghost's words in any case: on, in older files, is best",
         "ghost = OFF\nghost = Best\n",
         {{"ghost", "best"}}, {"1: ghost is set again on line 2; using best"}},
        {"a demo named as the ghost, as it is written", "ghost = Pat's 61.2.demo\n",
         {{"ghost", "Pat's 61.2.demo"}}, {}},
        {"a path as the ghost", "ghost = /home/pat/demos/fast.demo\n",
         {{"ghost", "/home/pat/demos/fast.demo"}}, {}},
        {"a ghost's file that would not print as it is, and one in UTF-8",
         "ghost = fast\xff.demo\nghost = Zo\xc3\xab.demo\n",
         {{"ghost", "Zo\xc3\xab.demo"}}, {"1: ghost takes off, best, or a demo's file: its name in the ghosts folder, or its path, "
          "not 'fast\\xff.demo'; using Zo\xc3\xab.demo"}},
        {"the ends of every range",
         "volume = 0\nwindow = 64x16384\nfps = 1000\npad.pause = 32\n",
         {{"volume", "0"}, {"window", "64x16384"}, {"fps", "1000"}, {"pad.pause", "32"}},
         {}},
        {"the frame cap's word in any case, and a number after it", "fps = 30\nfps = AUTO\n",
         {{"fps", "auto"}}, {"1: fps is set again on line 2; using auto"}},
        {"the word is the frame cap's alone", "volume = auto\nfps = autos\n",
         {{"volume", "100"}, {"fps", "auto"}},
         {"1: volume takes a whole number from 0 to 100, not 'auto'; using 100",
          "2: fps takes a whole number from 0 to 1000 or auto, not 'autos'; using auto"}},
        {"a bad value of each kind, and the defaults kept",
         "hud = yes\nvolume = 101\nvolume = -1\nwindow = 800x\nwindow = 63x600\nfps = 1001\n"
         "key.fire = spacebar\npad.fire = 0\npad.fire = 33\nvolume = 99999999999\nhints =\n",
         {{"hud", "off"}, {"volume", "100"}, {"window", "1024x768"}, {"key.fire", "space"}},
         {"1: hud takes on or off, not 'yes'; using off",
          "2: volume takes a whole number from 0 to 100, not '101'; using 100",
          "3: volume takes a whole number from 0 to 100, not '-1'; using 100",
          "4: window takes WIDTHxHEIGHT, each from 64 to 16384, not '800x'; using 1024x768",
          "5: window takes WIDTHxHEIGHT, each from 64 to 16384, not '63x600'; using 1024x768",
          "6: fps takes a whole number from 0 to 1000 or auto, not '1001'; using auto",
          "7: key.fire takes a key's name or none, not 'spacebar'; using space",
          "8: pad.fire takes a button from 1 to 32 or none, not '0'; using 1",
          "9: pad.fire takes a button from 1 to 32 or none, not '33'; using 1",
          "10: volume takes a whole number from 0 to 100, not '99999999999'; using 100",
          "11: hints takes on or off, not ''; using on"}},
        {"lines that name no setting",
         "volum = 50\nhello\n = 3\nVolume = 5\n",
         {{"volume", "100"}},
         {"1: unknown setting 'volum'; ignored", "2: not a 'name = value' line; ignored",
          "3: unknown setting ''; ignored", "4: unknown setting 'Volume'; ignored"}},
        {"the later of two good lines applies",
         "volume = 50\nhud = on\nvolume = 60\n",
         {{"volume", "60"}, {"hud", "on"}},
         {"1: volume is set again on line 3; using 60"}},
        {"a bad line after a good one leaves the good one",
         "volume = 50\nvolume = loud\n",
         {{"volume", "50"}},
         {"2: volume takes a whole number from 0 to 100, not 'loud'; using 50"}},
        {"hostile bytes are named, never printed raw",
         std::string("hud = o\x01n\n\xff\xfe = 1\nkey.fire = \x1b[2J\nfps = 1\0002\n",
                     sizeof "hud = o\x01n\n\xff\xfe = 1\nkey.fire = \x1b[2J\nfps = 1\0002\n" - 1) +
             std::string(5000, 'a') + " = 1\n",
         {{"hud", "off"}, {"fps", "auto"}},
         {"1: hud takes on or off, not 'o\\x01n'; using off",
          "2: unknown setting '\\xff\\xfe'; ignored",
          "3: key.fire takes a key's name or none, not '\\x1b[2J'; using space",
          "4: fps takes a whole number from 0 to 1000 or auto, not '1\\x002'; using auto",
          "5: unknown setting '" + std::string(40, 'a') + "...'; ignored"}},
        {"keys by SDL's names, in any case, and pad buttons counted from 1",
         "key.fire = Return\nkey.thrust = LEFT ALT\nkey.strafe = #\nkey.pause = none\n"
         "pad.fire = 5\npad.quit = 10\n",
         {{"key.fire", "return"},
          {"key.thrust", "left alt"},
          {"key.strafe", "#"},
          {"key.pause", "none"},
          {"pad.fire", "5"},
          {"pad.quit", "10"}},
         {}},
    };
    for (const ReadRow& row : rows)
        CheckReading(row);
}

TEST(SettingsText, BindingConflicts) {
    const ReadRow rows[] = {
        {"a key that is another action's",
         "key.fire = up\n",
         {{"key.fire", "space"}, {"key.thrust", "up"}},
         {"1: the key 'up' is thrust's already; using space"}},
        {"two actions swap their keys",
         "key.fire = up\nkey.thrust = space\n",
         {{"key.fire", "up"}, {"key.thrust", "space"}},
         {}},
        {"two lines take one action's key: both refused, the later first",
         "key.fire = up\nkey.reverse = up\n",
         {{"key.fire", "space"}, {"key.reverse", "down"}, {"key.thrust", "up"}},
         {"1: the key 'up' is thrust's already; using space",
          "2: the key 'up' is thrust's already; using down"}},
        {"a refused line can leave another line's key taken",
         "key.thrust = space\nkey.fire = nosuchkey\n",
         {{"key.fire", "space"}, {"key.thrust", "up"}},
         {"1: the key 'space' is fire's already; using up",
          "2: key.fire takes a key's name or none, not 'nosuchkey'; using space"}},
        {"none frees a key for another action",
         "key.fire = none\nkey.thrust = space\n",
         {{"key.fire", "none"}, {"key.thrust", "space"}},
         {}},
        {"a later line taking a key an earlier line freed",
         "key.fire = x\nkey.thrust = space\nkey.reverse = x\n",
         {{"key.fire", "x"}, {"key.thrust", "space"}, {"key.reverse", "down"}},
         {"3: the key 'x' is fire's already; using down"}},
        {"a line refused for a key that then comes free applies after all",
         "key.strafe = space\nkey.fire = space\n",
         {{"key.fire", "space"}, {"key.strafe", "left alt"}},
         {"1: the key 'space' is fire's already; using left alt"}},
        {"a played demo's action shares a key with a live game's alone",
         "key.demopause = p\nkey.demostep = up\nkey.restart = home\npad.demopause = 1\n",
         {{"key.demopause", "p"}, {"key.pause", "p"}, {"key.demostep", "up"},
          {"key.restart", "home"}, {"key.demostart", "home"}, {"pad.demopause", "1"},
          {"pad.fire", "1"}},
         {}},
        {"but not with one that answers in a played demo too, nor with another of its own",
         "key.demostart = h\nkey.demoslower = right\n",
         {{"key.demostart", "home"}, {"key.display", "h"}, {"key.demoslower", "left"}},
         {"1: the key 'h' is display's already; using home",
          "2: the key 'right' is demofaster's already; using left"}},
        {"quit is never left without a key", "key.quit = none\n", {{"key.quit", "escape"}},
         {"1: quit cannot be left without a key; using escape"}},
        {"the options keep a button without a key, or a key without a button",
         "key.options = none\npad.quit = 8\n",
         {{"key.options", "none"}, {"pad.options", "8"}, {"pad.quit", "none"}},
         {"2: button 8 is options's already; using none"}},
        {"the options never keep neither: the later line refused, before any clash is judged",
         "pad.options = none\nkey.options = none\nkey.pause = o\n",
         {{"key.options", "o"}, {"pad.options", "none"}, {"key.pause", "p"}},
         {"2: options cannot be left without a key or a button; using o",
          "3: the key 'o' is options's already; using p"}},
        {"a pad button that is another action's",
         "pad.fire = 2\n",
         {{"pad.fire", "1"}, {"pad.boost", "2"}},
         {"1: button 2 is boost's already; using 1"}},
        {"pad buttons swapped", "pad.fire = 2\npad.boost = 1\n", {{"pad.fire", "2"}}, {}},
        {"a key and a pad button of one number never meet",
         "pad.quit = 1\npad.fire = none\n",
         {{"pad.quit", "1"}, {"pad.fire", "none"}},
         {}},
    };
    for (const ReadRow& row : rows)
        CheckReading(row);
}

TEST(SettingsText, BindingsReadTheKeysAndButtons) {
    SettingsReading reading =
        ReadSettingsText("key.fire = x\nkey.display = none\npad.pause = 7\n", "s", Names);
    ASSERT_TRUE(reading.problems.empty());
    const Bindings& bindings = reading.settings.bindings;
    std::vector<uint8_t> state(SDLK_LAST, 0);
    state[SDLK_x] = 1;
    EXPECT_EQ(HeldActionsOfKeys(bindings, state.data(), SDLK_LAST).bits, ActionFire);
    state[SDLK_x] = 0;
    state[SDLK_SPACE] = 1;
    EXPECT_EQ(HeldActionsOfKeys(bindings, state.data(), SDLK_LAST).bits, 0);
    Action action = Action::Count;
    EXPECT_FALSE(PressedAction(bindings, SDLK_h, true, action));
    EXPECT_TRUE(PressedAction(bindings, SDLK_m, true, action));
    EXPECT_EQ(action, Action::Sound);
    EXPECT_EQ(HeldActionsOfPadButtons(bindings, 1u << 6 | 1u << 3).bits, ActionPause);
}

TEST(SettingsText, WriteBack) {
    const struct {
        const char* what;
        std::string text;
        void (*change)(Settings&);
        std::string written;
    } rows[] = {
        {"nothing changed: every byte kept",
         "# mine\r\nhud = off # later\nvolum = 5\nvolume = loud\n\n  fps=60\nno end",
         [](Settings&) {},
         "# mine\r\nhud = off # later\nvolum = 5\nvolume = loud\n\n  fps=60\nno end"},
        {"a value changed in its line, the comment after it kept",
         "# mine\nhud = off # later\nfps=60\n", [](Settings& s) { s.hud = true; },
         "# mine\nhud = on # later\nfps=60\n"},
        {"CR LF kept", "hud = off\r\nsound = on\r\n", [](Settings& s) { s.sound = false; },
         "hud = off\r\nsound = off\r\n"},
        {"a setting no line sets is added at the end, after a line end", "# mine\nhud = on",
         [](Settings& s) { s.volume = 70; }, "# mine\nhud = on\nvolume = 70\n"},
        {"a bad line takes the value in its place", "volume = loud\nvolum = 5\n",
         [](Settings& s) { s.volume = 70; }, "volume = 70\nvolum = 5\n"},
        {"of two lines the last takes the value and the other goes", "fps = 30\n# x\nfps = 6O\n",
         [](Settings& s) { s.fps = 0; }, "# x\nfps = 0\n"},
        {"a name alone becomes a whole line", "hud\n", [](Settings& s) { s.hud = true; },
         "hud = on\n"},
        {"a new file", "",
         [](Settings& s) {
             s.fullscreen = true;
             s.windowWidth = 640;
             s.windowHeight = 480;
         },
         "fullscreen = on\nwindow = 640x480\n"},
        {"a value changed back to the default is written too", "hud = on\n",
         [](Settings& s) { s.hud = false; }, "hud = off\n"},
        {"the frame cap back to its word", "fps = 0\n",
         [](Settings& s) { s.fps = AutomaticNumber; }, "fps = auto\n"},
    };
    for (const auto& row : rows) {
        SettingsReading reading = ReadSettingsText(row.text, "settings", Names);
        Settings now = reading.settings;
        row.change(now);
        EXPECT_EQ(WriteSettingsText(reading.text, reading.settings, now, Names), row.written)
            << row.what;
        EXPECT_EQ(SettingsDiffer(reading.settings, now, Names), row.text != row.written)
            << row.what;
    }
}

// The player's changes merged into a file another game or an editor changed since the start:
// each judged against the file as it is now, and what is written reads back without a clash.
TEST(SettingsText, MergeIntoTheFileAsItIsNow) {
    const struct {
        const char* what;
        std::string atStart, now; // the file when the game started, and when it ends
        void (*change)(Settings&);
        std::string written;
        std::vector<std::string> notKept;
    } rows[] = {
        {"a key the editor gave another action meanwhile: the player's binding left out",
         "", "key.pause = return\n",
         [](Settings& s) { s.bindings.keys[size_t(Action::Fire)] = SDLK_RETURN, s.hud = true; },
         "key.pause = return\nhud = on\n",
         {"key.fire = return not kept: the key 'return' is pause's already"}},
        {"written on its own earlier line it would refuse the editor's later one",
         "key.fire = x\n", "key.fire = x\nkey.pause = return\n",
         [](Settings& s) { s.bindings.keys[size_t(Action::Fire)] = SDLK_RETURN; },
         "key.fire = x\nkey.pause = return\n",
         {"key.fire = return not kept: the key 'return' is pause's already"}},
        {"a line the file refused comes free as the player's key moves, and keeps its key",
         "key.thrust = return\n", "key.thrust = return\nkey.pause = return\n",
         [](Settings& s) {
             s.bindings.keys[size_t(Action::Thrust)] = SDLK_x;
             s.bindings.keys[size_t(Action::Fire)] = SDLK_RETURN;
         },
         "key.thrust = x\nkey.pause = return\n",
         {"key.fire = return not kept: the key 'return' is pause's already"}},
        {"a change that needed one left out is left out too, after it",
         "", "key.pause = return\n",
         [](Settings& s) {
             s.bindings.keys[size_t(Action::Fire)] = SDLK_RETURN;
             s.bindings.keys[size_t(Action::Thrust)] = SDLK_SPACE;
         },
         "key.pause = return\n",
         {"key.fire = return not kept: the key 'return' is pause's already",
          "key.thrust = space not kept: the key 'space' is fire's already"}},
        {"the player's own swap stands", "", "# mine\n",
         [](Settings& s) {
             s.bindings.keys[size_t(Action::Fire)] = SDLK_UP;
             s.bindings.keys[size_t(Action::Thrust)] = SDLK_SPACE;
         },
         "# mine\nkey.thrust = space\nkey.fire = up\n", {}},
        {"a pad button likewise", "", "pad.pause = 5\n",
         [](Settings& s) { s.bindings.padButtons[size_t(Action::Fire)] = 4; }, "pad.pause = 5\n",
         {"pad.fire = 5 not kept: button 5 is pause's already"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const Settings before = ReadSettingsText(row.atStart, "settings", Names).settings;
        Settings after = before;
        row.change(after);
        const SettingsMerge merge =
            MergeSettings(ReadSettingsText(row.now, "settings", Names), before, after, Names);
        EXPECT_EQ(merge.text, row.written);
        EXPECT_EQ(merge.notKept, row.notKept);
        const SettingsReading back = ReadSettingsText(merge.text, "settings", Names);
        EXPECT_EQ(back.problems, std::vector<std::string>{});
        EXPECT_FALSE(SettingsDiffer(back.settings, merge.settings, Names));
    }
}

// README's settings table is written by hand and the manual page by the build; both carry every
// fixed setting with its values and default.
// Every fixed setting carries what the file, the options and the game need of it: help, its
// values, the options' steps within them; and the names the game's own code asks for are rows.
TEST(SettingsText, EveryRowCarriesItsColumns) {
    for (const SettingRow& row : SettingRows()) {
        if (row.kind == KeySetting || row.kind == PadSetting)
            continue;
        EXPECT_FALSE(row.help.empty()) << row.name;
        EXPECT_FALSE(row.label.empty()) << row.name;
        EXPECT_EQ(FindSettingRow(row.name), &row - SettingRows().data()) << row.name;
        if (row.kind == SwitchSetting)
            EXPECT_TRUE(row.flag) << row.name;
        if (row.kind == NumberSetting) {
            EXPECT_TRUE(row.number) << row.name;
            EXPECT_NE(row.step > 0, !row.choices.empty()) << row.name << ": a step or choices";
            for (int choice : row.choices)
                EXPECT_TRUE((choice >= row.low && choice <= row.high) ||
                            (row.automatic && choice == AutomaticNumber))
                    << row.name << " " << choice;
        }
        if (row.kind == SizeSetting) {
            EXPECT_TRUE(row.number && row.second) << row.name;
            ASSERT_FALSE(row.sizes.empty()) << row.name;
            for (size_t i = 0; i < row.sizes.size(); ++i) {
                EXPECT_TRUE(row.sizes[i].width >= row.low && row.sizes[i].height <= row.high);
                EXPECT_TRUE(i == 0 || long(row.sizes[i].width) * row.sizes[i].height >
                                          long(row.sizes[i - 1].width) * row.sizes[i - 1].height)
                    << row.name << ": smallest first";
            }
        }
    }
    for (const char* name : {"volume", "window"})
        EXPECT_EQ(SettingNamed(name).name, name);
    EXPECT_EQ(FindSettingRow("key"), -1);
}

// The steps the options and the volume keys take: a number by its step within its range, or to
// the next of its choices in their order, from between two to the nearer one that way.
TEST(SettingsText, Steps) {
    const struct {
        const char* name;
        int from, fromSecond; // a size's height
        bool up, moves;
        int to, toSecond;
    } rows[] = {
        {"volume", 95, 0, true, true, 100, 0},    {"volume", 100, 0, true, false, 100, 0},
        {"volume", 5, 0, false, true, 0, 0},      {"fps", AutomaticNumber, 0, false, false, -1, 0},
        {"fps", AutomaticNumber, 0, true, true, 30, 0}, {"fps", 10, 0, false, true, -1, 0},
        {"fps", 500, 0, true, true, 0, 0},        {"fps", 500, 0, false, true, 240, 0},
        {"fps", 0, 0, true, false, 0, 0},         {"window", 640, 480, false, false, 640, 480},
        {"window", 700, 700, true, true, 1024, 768}, {"window", 16384, 16384, true, false, 16384, 16384},
    };
    for (const auto& row : rows) {
        const SettingRow& setting = SettingNamed(row.name);
        Settings settings;
        settings.*setting.number = row.from;
        if (setting.second)
            settings.*setting.second = row.fromSecond;
        EXPECT_EQ(StepSetting(setting, settings, row.up), row.moves) << row.name << row.from;
        EXPECT_EQ(settings.*setting.number, row.to) << row.name << " " << row.from;
        if (setting.second)
            EXPECT_EQ(settings.*setting.second, row.toSecond) << row.name << " " << row.from;
    }
}

TEST(SettingsText, DocumentedInReadmeAndManual) {
    std::ostringstream readme, page;
    readme << std::ifstream("../README.md").rdbuf();
    page << std::ifstream(STARCHASE_MANUAL_PAGE).rdbuf();
    const std::string head = "| Setting | Values | Default | What it sets |\n|---|---|---|---|\n";
    size_t start = readme.str().find(head);
    ASSERT_NE(start, std::string::npos);
    start += head.size();
    EXPECT_EQ(readme.str().substr(start, readme.str().find("\n\n", start) + 1 - start),
              SettingsMarkdown());
    EXPECT_NE(page.str().find(SettingsManual()), std::string::npos);
}

// README's and the manual's sentence on Left and Right in the options gives the steps the rows
// take: the volume's step, the frame cap's choices and the window's sizes, in order.
TEST(SettingsText, StepsInReadmeAndManual) {
    const auto listed = [](const std::vector<std::string>& values) { // "a, b and c"
        std::string text;
        for (size_t i = 0; i < values.size(); ++i)
            text += (i == 0 ? "" : i + 1 == values.size() ? " and " : ", ") + values[i];
        return text;
    };
    const SettingRow& fps = SettingNamed("fps");
    std::vector<std::string> choices, sizes;
    for (int choice : fps.choices) {
        Settings settings;
        settings.fps = choice;
        choices.push_back(SettingValueText(fps, settings, {}));
    }
    for (WindowSize size : SettingNamed("window").sizes)
        sizes.push_back(SizeText(size));
    const std::string steps = "the volume by " + std::to_string(SettingNamed("volume").step) +
                              ", the frame cap through " + listed(choices) +
                              " (no cap), the window through " + listed(sizes);
    for (const char* file : {"../README.md", STARCHASE_MANUAL_PAGE}) {
        std::ostringstream text;
        text << std::ifstream(file).rdbuf();
        std::string flat = text.str();
        std::replace(flat.begin(), flat.end(), '\n', ' ');
        EXPECT_NE(flat.find(steps), std::string::npos) << file << " does not say: " << steps;
    }
}
