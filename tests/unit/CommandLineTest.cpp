// SPDX-License-Identifier: MIT
// The command line's table: what it refuses, and README's table and the manual page that must
// list the same options in the same order.
#include "CommandLine.h"

#include "Printable.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sstream>
#include <vector>

namespace {

// The option each tagged paragraph of roff `text` is about: the first word of the line after
// each ".TP", as roff spells it ("\\-\\-data").
std::vector<std::string> ManualOptionTags(const std::string& text) {
    std::vector<std::string> tags;
    for (size_t at = text.find(".TP\n"); at != std::string::npos; at = text.find(".TP\n", at + 1)) {
        std::istringstream line(text.substr(at + 4, text.find('\n', at + 4) - at - 4));
        std::string macro, word;
        line >> macro >> word;
        tags.push_back(word);
    }
    return tags;
}

} // namespace

TEST(CommandLine, ParseTable) {
    const struct {
        std::vector<const char*> args;
        CommandLineAction action;
        const char* problem; // the start of the refusal
    } rows[] = {
        {{"--data=ships", "--hud"}, PlayGame, ""},
        {{"-h"}, PrintHelp, ""},
        {{"--play", "a.demo", "--record", "b.demo"},
         BadUsage,
         "starchase: a demo is recorded or played, not both; usage"},
        {{"--window", "640x480", "--fullscreen"},
         BadUsage,
         "starchase: the game starts in full screen or in a window, not both; usage"},
        {{"--hud=yes"}, BadUsage, "starchase: option '--hud' takes no value"},
        {{"--data"}, BadUsage, "starchase: option '--data' needs a value (DIR)"},
        {{"--ghost", "--hud"}, BadUsage, "starchase: option '--ghost' needs a value (FILE)"},
        {{"--window", "8x8"}, BadUsage, "starchase: --window takes WIDTHxHEIGHT"},
        {{"ships"}, BadUsage, "starchase: unexpected argument 'ships'"},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"starchase"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        const CommandLine commandLine = ParseCommandLine(int(argv.size()), argv.data());
        EXPECT_EQ(commandLine.action, row.action) << row.args[0];
        EXPECT_EQ(commandLine.problem.rfind(row.problem, 0), 0u) << commandLine.problem;
    }
}

// The options that set a setting lay it over the settings file's, whatever the file says; the
// rest leave the file's as it is.
TEST(CommandLine, SettingsOverTheFile) {
    Settings file;
    file.hud = false, file.sound = true, file.hints = true, file.ghost = GhostOff;
    file.fullscreen = true, file.volume = 40;
    const struct {
        std::vector<const char*> args;
        void (*expect)(Settings&); // the file's settings changed as the command line asks
    } rows[] = {
        {{"--data", "ships"}, [](Settings&) {}},
        {{"--hud", "--mute", "--no-hints", "--ghost", "best"},
         [](Settings& s) { s.hud = true, s.sound = false, s.hints = false, s.ghost = GhostBest; }},
        {{"--ghost", "/demos/pat.demo"}, [](Settings& s) { s.ghost = "/demos/pat.demo"; }},
        // A file is named from the folder the game starts in: it plays in its data folder.
        {{"--ghost=pat.demo"},
         [](Settings& s) { s.ghost = (std::filesystem::current_path() / "pat.demo").string(); }},
        {{"--window=800x600"},
         [](Settings& s) { s.fullscreen = false, s.windowWidth = 800, s.windowHeight = 600; }},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"starchase"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        const CommandLine commandLine = ParseCommandLine(int(argv.size()), argv.data());
        Settings expected = file;
        row.expect(expected);
        EXPECT_FALSE(SettingsDiffer(WithCommandLine(file, commandLine), expected, {}))
            << row.args[0];
        EXPECT_EQ(SetsWindow(commandLine), std::string(row.args[0]).rfind("--window", 0) == 0)
            << row.args[0];
    }
}

// The help's line on the settings file, which says whose keys the help lists.
TEST(CommandLine, SettingsFileLine) {
    const std::string path = "/home/pat/.config/starchase/settings";
    EXPECT_EQ(SettingsFileHelp(path, true, true, false),
              "Settings: " + path + "; the keys are as it sets them.");
    EXPECT_EQ(SettingsFileHelp(path, false, false, false),
              "Settings: " + path + " (none yet); the keys are the defaults.");
    EXPECT_EQ(SettingsFileHelp(path, true, false, false),
              "Settings: " + path + " (unread); the keys are the defaults.");
    EXPECT_EQ(SettingsFileHelp(path, true, true, true),
              "Settings: none read (--no-settings); the keys are the defaults.");
    EXPECT_EQ(SettingsFileHelp("", false, false, false),
              "Settings: none, as neither XDG_CONFIG_HOME nor HOME is set; the keys are the "
              "defaults.");
}

// README's table is written by hand; --help and the manual's synopsis and OPTIONS are made from
// the table. All list every option, in the table's order, and the page holds what is made.
TEST(CommandLine, ReadmeAndManualListTheTable) {
    const std::string readme = ReadWholeFile("../README.md");
    const std::string page = ReadWholeFile(STARCHASE_MANUAL_PAGE);
    ASSERT_FALSE(page.empty()) << STARCHASE_MANUAL_PAGE;
    const size_t table = readme.find("| Option | Effect |\n|---|---|\n");
    ASSERT_NE(table, std::string::npos);
    std::istringstream rows(readme.substr(table, readme.find("\n\n", table) - table));
    std::vector<std::string> inReadme, inTable, tags;
    std::string row;
    for (std::getline(rows, row), std::getline(rows, row); std::getline(rows, row);)
        inReadme.push_back(row.substr(3, row.find('`', 3) - 3));
    for (const std::string& spelled : SpelledCommandLineOptions()) {
        inTable.push_back(spelled);
        tags.push_back(RoffText(spelled.substr(0, spelled.find(' '))));
    }
    EXPECT_EQ(inReadme, inTable);
    const std::string options = CommandLineOptionsManual();
    EXPECT_EQ(ManualOptionTags(options), tags);
    EXPECT_NE(page.find(".SH OPTIONS\n" + options), std::string::npos);
    EXPECT_NE(page.find(".SH SYNOPSIS\n" + CommandLineSynopsisManual()), std::string::npos);
}

// The manual's paragraphs made from a row without a text of its own: the help as a sentence with
// the default key, and the values a setting given on the command line takes.
TEST(CommandLine, ManualParagraphsFromTheHelp) {
    const std::string options = CommandLineOptionsManual();
    for (const char* paragraph : {
             ".TP\n.B \\-\\-hud\nShow the heads\\-up display from the start (H shows or hides "
             "it).\n.TP\n",
             ".TP\n.BI \\-\\-window \" WxH\"\nStart in a window of W by H pixels (F2 gives a "
             "640x480 window in play).\n.B \\-\\-window\ntakes WIDTHxHEIGHT, each from 64 to "
             "16384.\n.TP\n",
             ".TP\n.BR \\-\\-help \", \" \\-h\nPrint the usage,",
             ".TP\n.B \\-\\-version\nPrint the version and exit.\n",
         })
        EXPECT_NE(options.find(paragraph), std::string::npos) << paragraph << "\nin\n" << options;
    EXPECT_EQ(options.find('%'), std::string::npos) << options;
}
