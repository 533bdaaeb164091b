// SPDX-License-Identifier: MIT
// The game's command line: a table of options read into a plain record, with no SDL or GL.
#pragma once

#include "Bindings.h"
#include "SettingsText.h"

#include <string>
#include <vector>

// What the command line asks for.
enum CommandLineAction {
    PlayGame,     // start the game
    PrintHelp,    // --help or -h: the help text on standard output, status 0
    PrintVersion, // --version: the version line on standard output, status 0
    BadUsage,     // `problem` on standard error, status 2
};

struct CommandLine {
    CommandLineAction action = PlayGame;
    std::string dataFolder;  // --data DIR; empty: chosen by where the game starts
    std::string recordFile;  // --record FILE: the demo to write while playing; empty: none
    std::string playFile;    // --play FILE: the demo to play back; empty: none
    bool noSettings = false; // --no-settings: no settings file read or written
    // A setting the command line sets for this run (--hud: hud = on), by the option named.
    struct Setting {
        std::string name, value;
        const char* option;
    };
    std::vector<Setting> settings; // in the order given
    std::string problem;           // for BadUsage: one line naming what is wrong, with the usage
};

// Reads argv[1] .. argv[argc - 1]. An option's value follows it ("--data DIR") or is joined
// with "=" ("--data=DIR"). The game takes no other arguments.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// The --help text: usage, every option, `settings` (see SettingsFileHelp), how the ships are
// chosen, and the keys as `bindings` has them (an option's key too). Ends with a line end.
std::string HelpText(const Bindings& bindings, const std::string& settings);

// The help's line on the settings file at `path` (empty: no folder for it): there (`found`) and
// `read`, or not, or not looked for (`noSettings`); and so which keys the help lists.
std::string SettingsFileHelp(const std::string& path, bool found, bool read, bool noSettings);

// Every option as the usage spells it ("--data DIR", "--hud"), in the table's order.
std::vector<std::string> SpelledCommandLineOptions();

// The manual's synopsis (roff): one line of the options a game is played with, one of the
// options answered without playing; options that exclude each other joined by "|".
std::string CommandLineSynopsisManual();

// The manual's OPTIONS (roff): a tagged paragraph per option, in the table's order, each its
// row's manual text or its help as a sentence with its default key.
std::string CommandLineOptionsManual();

// "starchase VERSION" and a line end.
std::string VersionText();

// For --version or a bad command line: writes the version text to standard output, or the
// problem line to standard error, and returns the exit status (0, or 2 for BadUsage). --help is
// answered after the settings file is read (AnswerHelp).
int AnswerWithoutPlaying(const CommandLine& commandLine);

// The file's settings with the command line's over them, for this run only.
Settings WithCommandLine(Settings settings, const CommandLine& commandLine);

// --help: reads the settings file unless `commandLine.noSettings`, writes its problems to
// standard error and the help with the keys in force and the file's path to standard output;
// status 0.
int AnswerHelp(const CommandLine& commandLine);

// Whether the command line gives this run's window size (--window).
bool SetsWindow(const CommandLine& commandLine);
