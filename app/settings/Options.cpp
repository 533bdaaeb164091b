// SPDX-License-Identifier: MIT
// The table of the game's options, its parser, and the help and version texts made from it.
#include "Options.h"

#include "SettingsText.h"

#include "Actions.h"

#include <cstdio>

#ifndef STARCHASE_VERSION
#define STARCHASE_VERSION "unknown"
#endif

namespace {

struct Option {
    const char* name;  // with its leading "--"
    const char* value; // the value's name in the usage, or nullptr for an option without one
    const char* help;
    void (*apply)(GameOptions& options, const char* value);
    // An action whose key the help names, by its label in the actions table, before `keyDoes`:
    // "(H shows or hides it)". Action::Count for none.
    Action key = Action::Count;
    const char* keyDoes = nullptr;
};

const Option Options[] = {
    {"--data", "DIR", "play the ships of the catalogue alukset.txt in DIR",
     [](GameOptions& o, const char* dir) { o.dataFolder = dir; }},
    {"--record", "FILE", "record the game into the demo FILE",
     [](GameOptions& o, const char* file) { o.recordFile = file; }},
    {"--play", "FILE", "play the demo FILE back",
     [](GameOptions& o, const char* file) { o.playFile = file; }},
    {"--hud", nullptr, "show the heads-up display from the start",
     [](GameOptions& o, const char*) { o.hud = true; }, Action::Display, "shows or hides it"},
    {"--mute", nullptr, "start with sound off", [](GameOptions& o, const char*) { o.mute = true; },
     Action::Sound, "turns it on and off"},
    {"--no-hints", nullptr, "no keys panel at the start",
     [](GameOptions& o, const char*) { o.hints = false; }, Action::Keys, "shows it while held"},
    {"--ghost", nullptr, "show the ghost of the best chase from the start",
     [](GameOptions& o, const char*) { o.ghost = true; }, Action::Ghost, "shows or hides it"},
    {"--fullscreen", nullptr, "start in 1024x768 full screen",
     [](GameOptions& o, const char*) { o.fullscreen = true; }, Action::FullScreen,
     "goes there in play"},
    {"--window", "WxH", "start in a window of W by H pixels",
     [](GameOptions& o, const char* size) { o.window = size; }, Action::Window,
     "gives a 640x480 window in play"},
    {"--no-settings", nullptr, "read and write no settings file: every setting as it comes",
     [](GameOptions& o, const char*) { o.noSettings = true; }},
    {"--help", nullptr, "print this help and exit (also -h)",
     [](GameOptions& o, const char*) { o.action = PrintHelp; }},
    {"--version", nullptr, "print the version and exit",
     [](GameOptions& o, const char*) { o.action = PrintVersion; }},
};

// "--data DIR", "--help".
std::string Spelled(const Option& option) {
    return option.value ? std::string(option.name) + " " + option.value : option.name;
}

std::string Usage() {
    std::string usage = "usage: starchase";
    for (const Option& option : Options)
        usage += " [" + Spelled(option) + "]";
    return usage;
}

GameOptions Refused(const std::string& problem) {
    GameOptions options;
    options.action = BadUsage;
    options.problem = "starchase: " + problem + "; " + Usage();
    return options;
}

const Option* FindOption(const std::string& name) {
    for (const Option& option : Options)
        if (name == option.name)
            return &option;
    return nullptr;
}

} // namespace

GameOptions ParseOptions(int argc, const char* const* argv) {
    GameOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--") { // the end of the options, and the game takes nothing after them
            if (i + 1 < argc)
                return Refused(std::string("unexpected argument '") + argv[i + 1] + "'");
            break;
        }
        if (word.size() < 2 || word[0] != '-')
            return Refused("unexpected argument '" + word + "'");
        if (word == "-h") // the one short spelling, kept by most programs
            word = "--help";
        size_t equals = word.find('=');
        const Option* option = FindOption(word.substr(0, equals));
        if (!option)
            return Refused("unknown option '" + word.substr(0, equals) + "'");
        const char* value = nullptr;
        if (equals != std::string::npos)
            value = argv[i] + equals + 1;
        else if (option->value && i + 1 < argc)
            value = argv[++i];
        if (option->value && (!value || !*value))
            return Refused(std::string("option '") + option->name + "' needs a value (" +
                           option->value + ")");
        if (!option->value && value)
            return Refused(std::string("option '") + option->name + "' takes no value");
        option->apply(options, value);
    }
    if (!options.recordFile.empty() && !options.playFile.empty())
        return Refused("a demo is recorded or played, not both");
    if (options.fullscreen && !options.window.empty())
        return Refused("the game starts in full screen or in a window, not both");
    if (!options.window.empty() &&
        !ReadWindowSize(options.window, options.windowWidth, options.windowHeight))
        return Refused("--window takes WIDTHxHEIGHT, each from " +
                       std::to_string(SmallestWindowSide) + " to " +
                       std::to_string(LargestWindowSide) + ", not '" + options.window + "'");
    return options;
}

std::string HelpText() {
    std::string text =
        Usage() +
        "\n\nA small real-time 3D space game seen from above: twelve ships chase yours.\n\n";
    for (const Option& option : Options) {
        std::string left = "  " + Spelled(option), help = option.help;
        if (option.key != Action::Count)
            help += " (" + KeyLabel(ActionOf(option.key).key) + " " + option.keyDoes + ")";
        text += left + std::string(left.size() < 18 ? 18 - left.size() : 1, ' ') + help + "\n";
    }
    text += "\nShips: from --data DIR; else from the folder the game starts in when it holds\n"
            "alukset.txt; else the installed default ships.\n\n";
    return text + KeysHelp();
}

std::string VersionText() {
    return std::string("starchase ") + STARCHASE_VERSION + "\n";
}

int AnswerWithoutPlaying(const GameOptions& options) {
    if (options.action == BadUsage) {
        std::fprintf(stderr, "%s\n", options.problem.c_str());
        return 2;
    }
    std::fputs((options.action == PrintHelp ? HelpText() : VersionText()).c_str(), stdout);
    return 0;
}
