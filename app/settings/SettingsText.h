// SPDX-License-Identifier: MIT
// The settings file's text rules: `name = value` lines and `#` comments read into a plain record,
// and the text written back with only the values that changed changed. No SDL, no files.
#pragma once

#include "Bindings.h"
#include "KeyLabels.h"
#include "WindowModes.h"

#include <SDL/SDL_keysym.h>

#include <cstddef>
#include <string>
#include <vector>

// A number the game chooses for itself, written as its row's word: the frame cap's `auto`.
constexpr int AutomaticNumber = -1;

// What the player keeps between games. The defaults are the game as it always was, with the
// frame cap.
struct Settings {
    bool hud = false;                           // the heads-up display shown
    bool sound = true;                          // sound on (M)
    int volume = 100;                           // percent of full loudness
    bool fullscreen = false; // full screen (FullScreenSize) rather than a window
    int windowWidth = DefaultWindowSize.width, windowHeight = DefaultWindowSize.height; // pixels
    bool hints = true;                          // the keys panel at start
    int fps = AutomaticNumber; // the frame cap in frames a second; 0: none; auto: the display's
    bool ghost = false;                         // the best chase's ghost shown
    Bindings bindings = DefaultBindings();
};

// A window's side in pixels, in the file and on the command line.
constexpr int SmallestWindowSide = 64, LargestWindowSide = 16384;

// "800x600" as its width and height, each from SmallestWindowSide to LargestWindowSide.
bool ReadWindowSize(const std::string& text, int& width, int& height);

// A file larger than this (bytes) is no settings file: it is named and left alone.
constexpr size_t MaxSettingsBytes = 64 * 1024;

enum SettingKind {
    SwitchSetting, // on or off
    NumberSetting, // a whole number from `low` to `high`
    SizeSetting,   // WIDTHxHEIGHT, each from `low` to `high`
    KeySetting,    // a key's name as SDL names it, or none
    PadSetting,    // a pad button from 1 to PadButtonCount, or none
};

// One setting: its name in the file, its kind and where its value lives.
struct SettingRow {
    std::string name;
    SettingKind kind;
    int low = 0, high = 0;
    bool Settings::*flag = nullptr;  // a switch's
    int Settings::*number = nullptr; // a number's, or a size's width
    int Settings::*second = nullptr; // a size's height
    Action action = Action::Count;   // a key's or a pad button's
    std::string help;                // for the manual: what it sets
    const char* automatic = nullptr; // a number's word for AutomaticNumber ("auto"), if it has one
};

// Every setting: the fixed ones, then key.NAME and pad.NAME for each action of the actions table.
const std::vector<SettingRow>& SettingRows();

// What a value of the row may be, for messages and the manual: "on or off", "a whole number
// from 0 to 100".
std::string SettingValues(const SettingRow& row);

// The value of `row` in `settings` as the file spells it: "on", "70", "800x600", "space", "1".
std::string SettingValueText(const SettingRow& row, const Settings& settings,
                             const KeyNames& names);

// One line of the file as read: its bytes without the line feed, the setting it names, good or
// bad, and where its value lies.
struct SettingsLine {
    std::string text;
    int row = -1;                        // of SettingRows; -1 for a comment or an unknown name
    bool hasValue = false;               // `name = value`, rather than a name alone
    size_t valueStart = 0, valueEnd = 0; // when it has a value
};

// The file as read, kept for writing back.
struct SettingsText {
    std::vector<SettingsLine> lines;
    bool endsWithLineFeed = true;
    std::vector<int> lineOfRow; // per row of SettingRows: the line in effect, or -1
};

struct SettingsReading {
    Settings settings;
    SettingsText text;
    // One per bad line, in the order of the lines: "starchase: FILE:LINE: REASON; using VALUE"
    // (or "; ignored" for a line that names no setting).
    std::vector<std::string> problems;
};

// Reads `bytes` as a settings file called `fileName` in messages. Lines are `name = value`, blank,
// or comments starting with `#`; a `#` after a blank ends a value. Of two good lines for one name
// the later applies. A bad line (an unknown name, a value out of range, a key or button already
// another action's) changes nothing and gets its problem; the rest apply.
SettingsReading ReadSettingsText(const std::string& bytes, const std::string& fileName,
                                 const KeyNames& names);

// The text to write back: `text` as read, with every setting that differs between `asRead` and
// `now` given its value in `now` on the last line that names it, good or bad (what follows the
// value, a comment, kept), every other line naming it left out, or on a new line `name = value` at
// the end when no line names it. Every other line is kept byte for byte.
std::string WriteSettingsText(const SettingsText& text, const Settings& asRead, const Settings& now,
                              const KeyNames& names);

// The settings as the manual's tagged paragraphs (roff; in SettingsDocs.cpp): each fixed setting
// with its values, what it sets and its default, then key.ACTION and pad.ACTION with each action's
// defaults.
std::string SettingsManual();

// Every key's names in `names` as the manual lists them (roff): "\fBspace\fR", one a line, and
// a key's other names after its first: "\fBkeypad 0\fR (or \fB[0]\fR)".
std::string KeyNamesManual(const KeyNames& names);

// The same as the rows of README's settings table: "| volume | a whole number ... | 100 | ... |".
std::string SettingsMarkdown();

// Whether any setting differs between the two.
bool SettingsDiffer(const Settings& a, const Settings& b, const KeyNames& names);

// `into` with every setting that differs between `before` and `after` as `after` has it: the
// player's changes of one game laid over the file as another game or an editor left it.
Settings WithChanges(Settings into, const Settings& before, const Settings& after,
                     const KeyNames& names);
