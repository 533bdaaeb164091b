// SPDX-License-Identifier: MIT
// The table of the command line's options, its parser, the help and version texts made from it,
// and the command line laid over the settings file.
#include "CommandLine.h"

#include "Actions.h"
#include "Printable.h"
#include "Scenario.h"
#include "SdlKeyNames.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#ifndef STARCHASE_VERSION
#define STARCHASE_VERSION "unknown"
#endif

namespace {

// --ghost FILE as the ghost setting: the words best and off as they are, a file by its path from
// the folder the game was started in (the game plays in its data folder).
CommandLine::Setting GhostFileSetting(const std::string& file) {
    std::error_code error;
    std::string path = file;
    if (file != GhostBest && file != GhostOff && !file.empty() && file[0] != '/')
        path = (std::filesystem::current_path(error) / file).string();
    return {"ghost", path, "--ghost"};
}

struct CommandLineOption {
    const char* name;  // with its leading "--"
    const char* value; // the value's name in the usage, or nullptr for an option without one
    const char* help;
    // The manual's paragraph on it (roff; "%s" as in `help`, "%k" the keys a played demo answers);
    // null: `help` as a sentence, with its key and the values its setting takes.
    const char* manual;
    void (*apply)(CommandLine& commandLine, const char* value); // or null for one that `sets`
    // The settings it sets, as lines of the settings file: "hud = on"; "%s": its value.
    const char* sets = nullptr;
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

const CommandLineOption CommandLineOptions[] = {
    {"--data", "DIR", "play the ships of the catalogue alukset.txt in DIR",
     "Play the catalogue\n.I alukset.txt\nin\n.IR DIR ,\nwhatever folder the game is started in.\n"
     ".I DIR\nmay also be given as\n.BI \\-\\-data= DIR\\c\n\\&.\nA\n.I DIR\nthat does not exist, "
     "is not a folder or cannot be read is reported on\nstandard error, with status 1, before any "
     "window opens.",
     [](CommandLine& c, const char* dir) { c.dataFolder = dir; }},
    {"--record", "FILE", "record the game into the demo FILE",
     "Play as usual and record the game into the demo\n.IR FILE ,\nframe by frame: the version of "
     "the game's rules, the star field's seed, the\ncatalogue's thrust and turn figures, and each "
     "frame's length and held keys.\nThe file is complete once the game ends; it then prints the "
     "line its replay\nwill print (see\n.BR \\-\\-play ).\nA\n.I FILE\nthat is a named pipe, a "
     "device or a folder is refused before any window\nopens.\nWhen a frame cannot be written (a "
     "full disk, a file size limit), the game\nsays so in one line on standard error, plays on, "
     "and ends with status 1;\nwhat was written plays up to its last whole frame.",
     [](CommandLine& c, const char* file) { c.recordFile = file; }},
    {"--play", "FILE", "play the demo FILE back",
     "Play the demo\n.I FILE\nback in the window at its recorded pace: the same stars and ships, "
     "every\nframe stepped with its recorded length and keys.\nMeanwhile only %k answer (Escape "
     "stops it), with the\nwindow's own controls, at once even while the game waits out a long "
     "recorded\nframe, and the keys panel and the banner offer only those; the demo is heard\nas "
     "the game was.\nThe played demo's own keys (see\n.BR KEYS )\npause it and play it on, play it "
     "slower or faster (x0.25, x0.5, x1, x2, x4,\nand as fast as it replays), step it one recorded "
     "frame on while paused, and\nplay it from the start again; the display's corner says how it "
     "plays, its\ntime and its frame.\nThe world always steps by the recorded frames, so every "
     "speed ends on the same\nline, and a chase played again from the start prints its line once.\n"
     "At the end of each chase (a restart with R, recorded in the demo, ends one)\n"
     "and at its end the game prints one line on standard output,\n.RS\n.PP\n.B demo:\n.I frames\n"
     ".B frames,\n.I seconds\n.B s,\n.I chasers\n.B chasers left, state\n.I hash\n.PP\nwhere\n"
     ".I hash\nis 16 hexadecimal digits of a 64\\-bit FNV\\-1a hash of every ship and shot:\nequal "
     "lines mean the same game to the last bit.\nA chase in which every chaser broke up adds\n"
     ".RI \\(lq \", chase over in \" seconds \" s\" \\(rq,\nits game time.\nA played demo keeps no "
     "record and writes no\n.IR last.demo .\nA demo file that cannot be read or is broken, one "
     "recorded under other rules\nof the game (an older or newer game whose arithmetic differs), "
     "or a catalogue\nwhose types or figures differ from the recorded ones, is reported on "
     "standard\nerror, with status 1, before any window opens.\nA file cut off while recording "
     "plays up to its last whole frame, with a note.\n.BR shipyard (1)\n.B replay\nplays a demo "
     "with no window.\n.RE",
     [](CommandLine& c, const char* file) { c.playFile = file; }, nullptr, Action::Count, nullptr,
     nullptr, "a demo is recorded or played, not both"},
    {"--hud", nullptr, "show the heads-up display from the start", nullptr, nullptr, "hud = on",
     Action::Display, "shows or hides it"},
    {"--mute", nullptr, "start with sound off", nullptr, nullptr, "sound = off", Action::Sound,
     "turns it on and off"},
    {"--no-hints", nullptr, "no keys panel at the start", nullptr, nullptr, "hints = off",
     Action::Keys, "shows it while held"},
    {"--ghost", "FILE",
     "race the first chase of the demo FILE as the ghost, once it is proved on these ships (best: "
     "the best chase kept for them)",
     nullptr,
     [](CommandLine& c, const char* file) { c.settings.push_back(GhostFileSetting(file)); },
     nullptr, Action::Ghost, "shows or hides it"},
    {"--fullscreen", nullptr, "start in %s full screen", nullptr, nullptr, "fullscreen = on",
     Action::FullScreen, "goes there in play", &FullScreenSize},
    {"--window", "WxH", "start in a window of W by H pixels", nullptr, nullptr,
     "fullscreen = off\nwindow = %s", Action::Window, "gives a %s window in play", &SmallWindowSize,
     "the game starts in full screen or in a window, not both"},
    {"--no-settings", nullptr, "read and write no settings file: every setting its default",
     nullptr, [](CommandLine& c, const char*) { c.noSettings = true; }},
    {"--help", nullptr, "print this help and exit (also -h)",
     "Print the usage, the options, the settings file's path and the keys as it\nsets them\n"
     ".RB ( \\-\\-no\\-settings :\nthe default keys) on standard output and exit.",
     [](CommandLine& c, const char*) { c.action = PrintHelp; }, nullptr, Action::Count, nullptr,
     nullptr, nullptr, "-h"},
    {"--version", nullptr, "print the version and exit", nullptr,
     [](CommandLine& c, const char*) { c.action = PrintVersion; }},
};

// "--data DIR", "--help".
std::string Spelled(const CommandLineOption& option) {
    return option.value ? std::string(option.name) + " " + option.value : option.name;
}

std::string Usage() {
    std::string usage = "usage: starchase";
    for (const CommandLineOption& option : CommandLineOptions)
        usage += " [" + Spelled(option) + "]";
    return usage;
}

CommandLine Refused(const std::string& problem) {
    CommandLine commandLine;
    commandLine.action = BadUsage;
    commandLine.problem = "starchase: " + problem + "; " + Usage();
    return commandLine;
}

constexpr size_t OptionCount = sizeof CommandLineOptions / sizeof CommandLineOptions[0];

// The option spelled `name`, long or short, or OptionCount.
size_t FindOption(const std::string& name) {
    for (size_t i = 0; i < OptionCount; ++i)
        if (name == CommandLineOptions[i].name ||
            (CommandLineOptions[i].shortName && name == CommandLineOptions[i].shortName))
            return i;
    return OptionCount;
}

// An option the game answers without playing: --help, --version.
bool Answers(const CommandLineOption& option) {
    CommandLine commandLine;
    if (option.apply)
        option.apply(commandLine, "");
    return commandLine.action != PlayGame;
}

// The settings `option` sets, its value at "%s", added to the command line's.
void AddSettings(const CommandLineOption& option, const char* value, CommandLine& commandLine) {
    std::string lines = option.sets;
    const size_t mark = lines.find("%s");
    if (mark != std::string::npos)
        lines.replace(mark, 2, value ? value : "");
    for (size_t at = 0, end; at < lines.size(); at = end + 1) {
        end = std::min(lines.find('\n', at), lines.size());
        const std::string line = lines.substr(at, end - at);
        const size_t equals = line.find(" = ");
        commandLine.settings.push_back(
            {line.substr(0, equals), line.substr(equals + 3), option.name});
    }
}

// The first setting the command line gives a value that is none of its row's, as its refusal;
// empty when there is none.
std::string BadSetting(const CommandLine& commandLine) {
    for (const CommandLine::Setting& given : commandLine.settings) {
        const SettingRow& row = SettingNamed(given.name);
        Settings scratch;
        if (!ReadSettingValue(row, given.value, {}, scratch))
            return std::string(given.option) + " takes " + SettingValues(row) + ", not '" +
                   given.value + "'";
    }
    return "";
}

// The option's text with the window size it names.
std::string Sized(const CommandLineOption& option, const char* text) {
    return WithSize(text, option.size);
}

std::string RoffBold(const char* text) {
    return "\\fB" + RoffText(text) + "\\fR";
}

// "\fB\-\-data\fR \fIDIR\fR": an option and its value as the synopsis sets them.
std::string SynopsisWords(const CommandLineOption& option) {
    const std::string words = RoffBold(option.name);
    return option.value ? words + " \\fI" + RoffText(option.value) + "\\fR" : words;
}

// " (H shows or hides it)": the key `bindings` give the option's action and what it does there;
// empty when the option names no action or the action has no key.
std::string KeyNote(const CommandLineOption& option, const Bindings& bindings) {
    const SDLKey key =
        option.key == Action::Count ? SDLK_UNKNOWN : bindings.keys[size_t(option.key)];
    return key == SDLK_UNKNOWN ? ""
                               : " (" + KeyLabel(key) + " " + Sized(option, option.keyDoes) + ")";
}

// The manual's tag of the option: ".BI \-\-data \" DIR\"", ".BR \-\-help \", \" \-h".
std::string ManualTag(const CommandLineOption& option) {
    if (option.shortName)
        return ".BR " + RoffText(option.name) + " \", \" " + RoffText(option.shortName);
    if (option.value)
        return ".BI " + RoffText(option.name) + " \" " + RoffText(option.value) + "\"";
    return ".B " + RoffText(option.name);
}

// The manual's paragraph on the option: its own, or its help and key at the default bindings,
// and what values the setting its value sets takes ("--window takes WIDTHxHEIGHT, ...").
std::string ManualText(const CommandLineOption& option) {
    std::string text;
    if (option.manual) {
        text = Sized(option, option.manual);
        const size_t keys = text.find("%k");
        return keys == std::string::npos ? text
                                         : text.replace(keys, 2, RoffText(PlayedDemoKeysText()));
    }
    text = Sized(option, option.help) + KeyNote(option, DefaultBindings()) + ".";
    text[0] = char(std::toupper(static_cast<unsigned char>(text[0])));
    text = RoffText(text);
    CommandLine valued; // the settings it sets, the one its value sets given "%s"
    if (option.sets && option.value)
        AddSettings(option, "%s", valued);
    for (const CommandLine::Setting& given : valued.settings)
        if (given.value == "%s")
            return text + "\n.B " + RoffText(option.name) + "\ntakes " +
                   RoffText(SettingValues(SettingNamed(given.name))) + ".";
    return text;
}

// The first option given that cannot be given with the one before it, when both are; else null.
const CommandLineOption* Clash(const bool given[]) {
    for (size_t i = 1; i < OptionCount; ++i)
        if (CommandLineOptions[i].notWithPrevious && given[i] && given[i - 1])
            return &CommandLineOptions[i];
    return nullptr;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine commandLine;
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
        const CommandLineOption& option = CommandLineOptions[index];
        const char* value = nullptr;
        if (equals != std::string::npos)
            value = argv[i] + equals + 1;
        else if (option.value && i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0)
            value = argv[++i]; // an option after an option is never taken as its value
        if (option.value && (!value || !*value))
            return Refused(std::string("option '") + option.name + "' needs a value (" +
                           option.value + ")");
        if (!option.value && value)
            return Refused(std::string("option '") + option.name + "' takes no value");
        if (option.apply)
            option.apply(commandLine, value);
        else
            AddSettings(option, value, commandLine);
        given[index] = true;
    }
    if (const CommandLineOption* clash = Clash(given))
        return Refused(clash->notWithPrevious);
    const std::string bad = BadSetting(commandLine);
    return bad.empty() ? commandLine : Refused(bad);
}

std::string HelpText(const Bindings& bindings, const std::string& settings) {
    std::string text = Usage() + "\n\nA small real-time 3D space game seen from above: " +
                       std::to_string(ScenarioChasers()) + " ships chase yours.\n\n";
    for (const CommandLineOption& option : CommandLineOptions) {
        const std::string left = "  " + Spelled(option),
                          help = Sized(option, option.help) + KeyNote(option, bindings);
        text += left + std::string(left.size() < 18 ? 18 - left.size() : 1, ' ') + help + "\n";
    }
    text += "\n" + settings +
            "\n\nShips: from --data DIR; else from the folder the game starts in "
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

std::vector<std::string> SpelledCommandLineOptions() {
    std::vector<std::string> spelled;
    for (const CommandLineOption& option : CommandLineOptions)
        spelled.push_back(Spelled(option));
    return spelled;
}

std::string CommandLineSynopsisManual() {
    std::string play = ".B starchase\n", answers;
    for (size_t i = 0; i < OptionCount; ++i) {
        const CommandLineOption& option = CommandLineOptions[i];
        if (Answers(option)) {
            answers += (answers.empty() ? "" : " | ") +
                       (option.shortName ? RoffBold(option.shortName) + " | " : "") +
                       SynopsisWords(option);
            continue;
        }
        const bool closes = i + 1 == OptionCount || !CommandLineOptions[i + 1].notWithPrevious;
        play +=
            (option.notWithPrevious ? " | " : "[") + SynopsisWords(option) + (closes ? "]\n" : "");
    }
    return play + ".br\n.B starchase\n" + answers + "\n";
}

std::string CommandLineOptionsManual() {
    std::string text;
    for (const CommandLineOption& option : CommandLineOptions)
        text += ".TP\n" + ManualTag(option) + "\n" + ManualText(option) + "\n";
    return text;
}

std::string VersionText() {
    return std::string("starchase ") + STARCHASE_VERSION + "\n";
}

int AnswerWithoutPlaying(const CommandLine& commandLine) {
    if (commandLine.action == BadUsage) {
        std::fprintf(stderr, "%s\n", commandLine.problem.c_str());
        return 2;
    }
    std::fputs(VersionText().c_str(), stdout);
    return 0;
}

Settings WithCommandLine(Settings settings, const CommandLine& commandLine) {
    for (const CommandLine::Setting& given : commandLine.settings)
        ReadSettingValue(SettingNamed(given.name), given.value, {}, settings);
    return settings;
}

bool SetsWindow(const CommandLine& commandLine) {
    for (const CommandLine::Setting& given : commandLine.settings)
        if (given.name == "window")
            return true;
    return false;
}

int AnswerHelp(const CommandLine& commandLine) {
    const std::string path = commandLine.noSettings ? "" : SettingsFilePath();
    SettingsFile file;
    if (!path.empty()) {
        std::string problem;
        file = ReadSettingsFile(path, SdlKeyNames(), problem);
        if (!problem.empty())
            std::fprintf(stderr, "%s\n", problem.c_str());
        for (const std::string& line : file.reading.problems)
            std::fprintf(stderr, "%s\n", line.c_str());
    }
    const std::string help =
        HelpText(file.reading.settings.bindings,
                 SettingsFileHelp(path, file.found, file.writable, commandLine.noSettings));
    std::fputs(help.c_str(), stdout);
    return 0;
}
