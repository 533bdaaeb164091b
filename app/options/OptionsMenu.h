// SPDX-License-Identifier: MIT
// The options on screen as plain data: their rows (each fixed setting of the settings table, each
// action of the actions table, then each row of the records view), the row chosen, the edits and refusals, and
// the lines they are drawn as. Pure: the loop applies the changes and draws the lines.
#pragma once

#include "OptionsRows.h"
#include "RecordsShown.h"
#include "SettingsText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the player asks of the open options, from a key or the pad.
enum class OptionsInput : uint8_t {
    Up,     // the row above (from the first, the last)
    Down,   // the row below (from the last, the first)
    Left,   // a setting's value down, or off
    Right,  // a setting's value up, or on
    Select, // Enter: a setting as Right; an action waits for its key; a record proved
    Back,   // Escape: closes, or cancels the wait for a key
    Unbind, // Delete: the chosen action's key and pad button taken away
    Close,  // the options action's own key or button
};

struct OptionsMenu {
    bool open = false;
    size_t row = 0;       // the chosen row, kept from one opening to the next
    bool binding = false; // the chosen action waits for the next key or pad button
    std::string line;     // what the last press came to: a refusal, a binding, the proof's verdict
    WindowSize display = {0, 0}; // the display's size: larger windows are not offered (0: unknown)
};

// What a press in the options asks the loop for.
struct OptionsOutcome {
    bool changed = false; // a setting or a binding changed: it applies at once and is kept
    bool prove = false;   // the chosen row's record is to be proved
};

// Characters a line of the options holds at most: the panel fits a 640-pixel window.
constexpr size_t OptionsWidth = 60;

// Opens the options on the row chosen when they were last open (the first at the first opening).
void OpenOptions(OptionsMenu& menu);

// Acts on `input` over `settings`, the settings in force, and `records`, the records view's rows;
// while an action waits for its key, any input cancels the wait.
OptionsOutcome PressInOptions(OptionsMenu& menu, Settings& settings, OptionsInput input,
                              const std::vector<RecordShown>& records);

// While the chosen action waits: binds `key`, or refuses it with a line naming the action that
// holds it (or saying it has no name the settings file can keep); the wait ends either way.
OptionsOutcome BindKeyInOptions(OptionsMenu& menu, Settings& settings, SDLKey key,
                                const KeyNames& names);

// The same for pad button `button` (numbered from 0 as SDL numbers them).
OptionsOutcome BindPadButtonInOptions(OptionsMenu& menu, Settings& settings, int button);

// The proof's verdict: `why` empty for "verified", else "not verified: WHY".
void ShowProof(OptionsMenu& menu, const std::string& why);

// The input a key stands for in the open options: the arrows, Enter (either), Escape, Delete or
// Backspace, and the options action's own key. False for any other key.
bool OptionsInputOfKey(SDLKey key, const Bindings& bindings, OptionsInput& input);

// The same for a pad button: button 1 selects, button 2 backs out, the options action's own
// button closes.
bool OptionsInputOfPadButton(int button, const Bindings& bindings, OptionsInput& input);

// The same for the pad's d-pad or stick leaning newly (PadLean bits): up and down choose, left
// and right change; the first of up, down, left, right when several.
bool OptionsInputOfPadLean(uint8_t newlyLeaning, OptionsInput& input);

// The options as lines of at most OptionsWidth characters (in OptionsLines.cpp): a title, the
// rows under their sections' headings around the chosen one (marked), as many as fit in
// `mostLines` with the rest (0: every row), then what the chosen row does and every key the
// options answer there, or the last press's line. Their number stays the same from row to row.
std::vector<std::string> OptionsLines(const OptionsMenu& menu, const Settings& settings,
                                      const std::vector<RecordShown>& records, size_t mostLines);
