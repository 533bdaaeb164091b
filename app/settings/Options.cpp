// SPDX-License-Identifier: MIT
// The table of the game's options, its parser, and the help and version texts made from it.
#include "Options.h"

#include "SettingsText.h"

#include "Actions.h"
#include "Printable.h"
#include "Scenario.h"

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
    // The window size that `help` or `keyDoes` names at "%s".
    const WindowSize* size = nullptr;
    // Set when the option cannot be given with the one before it: the refusal, "... not both".
    const char* notWithPrevious = nullptr;
    const char* shortName = nullptr; // "-h"
};

const Option Options[] = {
    {"--data", "DIR", "play the ships of the catalogue alukset.txt in DIR",
     [](GameOptions& o, const char* dir) { o.dataFolder = dir; }},
    {"--record", "FILE", "record the game into the demo FILE",
     [](GameOptions& o, const char* file) { o.recordFile = file; }},
    {"--play", "FILE", "play the demo FILE back",
     [](GameOptions& o, const char* file) { o.playFile = file; }, Action::Count, nullptr, nullptr,
     "a demo is recorded or played, not both"},
    {"--hud", nullptr, "show the heads-up display from the start",
     [](GameOptions& o, const char*) { o.hud = true; }, Action::Display, "shows or hides it"},
    {"--mute", nullptr, "start with sound off", [](GameOptions& o, const char*) { o.mute = true; },
     Action::Sound, "turns it on and off"},
    {"--no-hints", nullptr, "no keys panel at the start",
     [](GameOptions& o, const char*) { o.hints = false; }, Action::Keys, "shows it while held"},
    {"--ghost", nullptr, "show the ghost of the best chase from the start",
     [](GameOptions& o, const char*) { o.ghost = true; }, Action::Ghost, "shows or hides it"},
    {"--fullscreen", nullptr, "start in %s full screen",
     [](GameOptions& o, const char*) { o.fullscreen = true; }, Action::FullScreen,
     "goes there in play", &FullScreenSize},
    {"--window", "WxH", "start in a window of W by H pixels",
     [](GameOptions& o, const char* size) { o.window = size; }, Action::Window,
     "gives a %s window in play", &SmallWindowSize,
     "the game starts in full screen or in a window, not both"},
    {"--no-settings", nullptr, "read and write no settings file: every setting as it comes",
     [](GameOptions& o, const char*) { o.noSettings = true; }},
    {"--help", nullptr, "print this help and exit (also -h)",
     [](GameOptions& o, const char*) { o.action = PrintHelp; }, Action::Count, nullptr, nullptr,
     nullptr, "-h"},
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

constexpr size_t OptionCount = sizeof Options / sizeof Options[0];

// The option spelled `name`, long or short, or OptionCount.
size_t FindOption(const std::string& name) {
    for (size_t i = 0; i < OptionCount; ++i)
        if (name == Options[i].name || (Options[i].shortName && name == Options[i].shortName))
            return i;
    return OptionCount;
}

// An option the game answers without playing: --help, --version.
bool Answers(const Option& option) {
    GameOptions options;
    option.apply(options, "");
    return options.action != PlayGame;
}

// The option's text with the window size it names.
std::string Sized(const Option& option, const char* text) {
    return WithSize(text, option.size);
}

std::string RoffBold(const char* text) {
    return "\\fB" + RoffText(text) + "\\fR";
}

// "\fB\-\-data\fR \fIDIR\fR": an option and its value as the synopsis sets them.
std::string SynopsisWords(const Option& option) {
    const std::string words = RoffBold(option.name);
    return option.value ? words + " \\fI" + RoffText(option.value) + "\\fR" : words;
}

// The first option given that cannot be given with the one before it, when both are; else null.
const Option* Clash(const bool given[]) {
    for (size_t i = 1; i < OptionCount; ++i)
        if (Options[i].notWithPrevious && given[i] && given[i - 1])
            return &Options[i];
    return nullptr;
}

} // namespace

GameOptions ParseOptions(int argc, const char* const* argv) {
    GameOptions options;
    bool given[OptionCount] = {};
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--") { // the end of the options, and the game takes nothing after them
            if (i + 1 < argc)
                return Refused(std::string("unexpected argument '") + argv[i + 1] + "'");
            break;
        }
        if (word.size() < 2 || word[0] != '-')
            return Refused("unexpected argument '" + word + "'");
        size_t equals = word.find('=');
        const size_t index = FindOption(word.substr(0, equals));
        if (index == OptionCount)
            return Refused("unknown option '" + word.substr(0, equals) + "'");
        const Option& option = Options[index];
        const char* value = nullptr;
        if (equals != std::string::npos)
            value = argv[i] + equals + 1;
        else if (option.value && i + 1 < argc)
            value = argv[++i];
        if (option.value && (!value || !*value))
            return Refused(std::string("option '") + option.name + "' needs a value (" +
                           option.value + ")");
        if (!option.value && value)
            return Refused(std::string("option '") + option.name + "' takes no value");
        option.apply(options, value);
        given[index] = true;
    }
    if (const Option* clash = Clash(given))
        return Refused(clash->notWithPrevious);
    if (!options.window.empty() &&
        !ReadWindowSize(options.window, options.windowWidth, options.windowHeight))
        return Refused("--window takes WIDTHxHEIGHT, each from " +
                       std::to_string(SmallestWindowSide) + " to " +
                       std::to_string(LargestWindowSide) + ", not '" + options.window + "'");
    return options;
}

std::string HelpText(const Bindings& bindings, const std::string& settings) {
    std::string text =
        Usage() +
        "\n\nA small real-time 3D space game seen from above: " +
        std::to_string(ScenarioChasers()) + " ships chase yours.\n\n";
    for (const Option& option : Options) {
        std::string left = "  " + Spelled(option), help = Sized(option, option.help);
        const SDLKey key =
            option.key == Action::Count ? SDLK_UNKNOWN : bindings.keys[size_t(option.key)];
        if (key != SDLK_UNKNOWN)
            help += " (" + KeyLabel(key) + " " + Sized(option, option.keyDoes) + ")";
        text += left + std::string(left.size() < 18 ? 18 - left.size() : 1, ' ') + help + "\n";
    }
    text += "\n" + settings + "\n\nShips: from --data DIR; else from the folder the game starts in "
            "when it holds\nalukset.txt; else the installed default ships.\n\n";
    return text + KeysHelp(bindings);
}

std::string SettingsFileHelp(const std::string& path, bool found, bool read, bool noSettings) {
    if (noSettings)
        return "Settings: none read (--no-settings); the keys are the defaults.";
    if (path.empty())
        return "Settings: none, as neither XDG_CONFIG_HOME nor HOME is set; the keys are the "
               "defaults.";
    if (found && read)
        return "Settings: " + path + "; the keys are as it sets them.";
    return "Settings: " + path + (found ? " (unread)" : " (none yet)") +
           "; the keys are the defaults.";
}

std::vector<std::string> SpelledOptions() {
    std::vector<std::string> spelled;
    for (const Option& option : Options)
        spelled.push_back(Spelled(option));
    return spelled;
}

std::string OptionsSynopsisManual() {
    std::string play = ".B starchase\n", answers;
    for (size_t i = 0; i < OptionCount; ++i) {
        const Option& option = Options[i];
        if (Answers(option)) {
            answers += (answers.empty() ? "" : " | ") +
                       (option.shortName ? RoffBold(option.shortName) + " | " : "") +
                       SynopsisWords(option);
            continue;
        }
        const bool closes = i + 1 == OptionCount || !Options[i + 1].notWithPrevious;
        play += (option.notWithPrevious ? " | " : "[") + SynopsisWords(option) +
                (closes ? "]\n" : "");
    }
    return play + ".br\n.B starchase\n" + answers + "\n";
}

std::string VersionText() {
    return std::string("starchase ") + STARCHASE_VERSION + "\n";
}

int AnswerWithoutPlaying(const GameOptions& options) {
    if (options.action == BadUsage) {
        std::fprintf(stderr, "%s\n", options.problem.c_str());
        return 2;
    }
    std::fputs(VersionText().c_str(), stdout);
    return 0;
}
