// SPDX-License-Identifier: MIT
// The settings file's text rules: `name = value` lines and `#` comments read into a plain record,
// and the text written back with only the values that changed changed. No SDL, no files.
#pragma once

#include "Bindings.h"
#include "KeyLabels.h"
#include "WindowModes.h"

#include <SDL/SDL_keysym.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A number the game chooses for itself, written as its row's word: the frame cap's `auto`.
constexpr int AutomaticNumber = -1;

// The frame cap `auto` gives where the display's refresh rate cannot be known.
constexpr int UnknownRefreshFps = 60;

// The ghost setting's words: no ghost, and the player's own best chase on these ships.
inline const char* const GhostOff = "off";
inline const char* const GhostBest = "best";

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
    std::string ghost = GhostOff; // the ghost raced: GhostOff, GhostBest or a demo (GhostSetting)
    Bindings bindings = DefaultBindings();
};

// A window's side in pixels, in the file and on the command line.
constexpr int SmallestWindowSide = 64, LargestWindowSide = 16384;

// A file larger than this (bytes) is no settings file: it is named and left alone.
constexpr size_t MaxSettingsBytes = 64 * 1024;

enum SettingKind {
    SwitchSetting, // on or off
    NumberSetting, // a whole number from `low` to `high`
    SizeSetting,   // WIDTHxHEIGHT, each from `low` to `high`
    KeySetting,    // a key's name as SDL names it, or none
    PadSetting,    // a pad button from 1 to PadButtonCount, or none
    GhostSetting,  // off, best (on in older files), or a demo: a name in the ghosts folder or a path
};

// Where a setting takes effect in play: the one function that brings the game to a changed value,
// whether a key, the options or the start changed it (app/loop/SettingEffects.cpp calls them).
enum class SettingEffect : uint8_t {
    Display, // ApplyDisplaySettings (app/screen/Hud.h)
    Sound,   // ApplySoundSettings (app/sound/Sound.h)
    Window,  // the window's mode (app/loop/)
    Ghost,   // the best chase's ghost (app/loop/)
    Read,    // none: read where it is used (the frame cap, the keys, the keys panel at start)
};

// One setting: its name in the file, its kind, where its value lives, its values and the options'
// steps through them, its help, the options' label, and where it takes effect.
struct SettingRow {
    std::string name;
    SettingKind kind;
    int low = 0, high = 0;
    bool Settings::*flag = nullptr;  // a switch's
    int Settings::*number = nullptr; // a number's, or a size's width
    int Settings::*second = nullptr; // a size's height
    Action action = Action::Count;   // a key's or a pad button's
    std::string help;                // for the manual, README and the options: what it sets
    std::string label;               // the options' name for it, in the player's words
    const char* automatic = nullptr; // a number's word for AutomaticNumber ("auto"), if it has one
    int step = 0;                    // a number's step in the options, when it has no choices
    std::vector<int> choices;        // a number's values the options step through, in order
    std::vector<WindowSize> sizes;   // a size's, likewise
    SettingEffect effect = SettingEffect::Read;
    std::string Settings::*text = nullptr; // a ghost's
};

// Every setting: the fixed ones, then key.NAME and pad.NAME for each action of the actions table.
const std::vector<SettingRow>& SettingRows();

// The row of the setting called `name` in the file; -1 when none is.
int FindSettingRow(const std::string& name);

// The row called `name`, which the game's own code names: it exists (a test holds every name).
const SettingRow& SettingNamed(const std::string& name);

// What a value of the row may be, for messages and the manual: "on or off", "a whole number
// from 0 to 100".
std::string SettingValues(const SettingRow& row);

// Sets the row's value in `settings` from `text`; false, leaving `settings` as it was, when the
// text is no value of the row.
bool ReadSettingValue(const SettingRow& row, const std::string& text, const KeyNames& names,
                      Settings& settings);

// Left (`up` false) or Right in the options on a fixed setting: a switch turned over, a number
// `step` along its range or to the next of its choices, a size to the next of its sizes, a ghost
// to the next of `ghosts` (the demos on offer after off and best: a ghost not among them steps
// to off or best); the choices are in order, and a value between two goes to the nearer one that
// way. False when the value stays.
bool StepSetting(const SettingRow& row, Settings& settings, bool up,
                 const std::vector<std::string>& ghosts = {});

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

// `to` given the value `from` has for `row`.
void CopySetting(const SettingRow& row, const Settings& from, Settings& to);

// Why the key or pad button `settings` give `row` cannot stand beside the others: "the key
// 'return' is pause's already", "options cannot be left without a key or a button"; empty when
// it can, and for a row that is no key or button.
std::string BindingProblem(const SettingRow& row, const Settings& settings, const KeyNames& names);

// Whether any setting differs between the two.
bool SettingsDiffer(const Settings& a, const Settings& b, const KeyNames& names);

// `into` with every setting that differs between `before` and `after` as `after` has it: the
// player's changes of one game laid over the file as another game or an editor left it.
Settings WithChanges(Settings into, const Settings& before, const Settings& after,
                     const KeyNames& names);

// The player's changes of one game merged into the settings file as it is now (in
// SettingsMerge.cpp).
struct SettingsMerge {
    std::string text;  // what to write
    Settings settings; // what that text reads back as
    // Each change left out, with why: "key.fire = return not kept: the key 'return' is pause's
    // already".
    std::vector<std::string> notKept;
};

// Writes into `file` (the file as read now, which another game or an editor may have changed
// since the game started) the settings that differ between `before` and `after`, each judged
// against the file as it is: a change that reads back refused, or that would put two actions on
// one key or button or leave an action short of what it must keep, is left out and named. What
// is written reads back with every change kept and no clash the changes made.
SettingsMerge MergeSettings(const SettingsReading& file, const Settings& before,
                            const Settings& after, const KeyNames& names);
