// SPDX-License-Identifier: MIT
// What the chase shows around the step, with no GL: the banner at its end, the keys panel and
// when it shows, and when the window is left. Times in milliseconds.
#pragma once

#include "ChaseClock.h"

#include <cstdint>
#include <string>
#include <vector>

// The records' word on a chase that is over.
struct BestTime {
    bool known = false;        // the ship set had a record before this chase
    uint64_t milliseconds = 0; // that record
    bool beaten = false;       // this chase was kept as the set's new record
};

// A key and what it does, as the panel lists it.
struct KeyHint {
    std::string key;  // "Up"
    std::string does; // "thrust forward"
};

// A break-up in a chase raced against a pace: the ghost's break-ups, or the best chase's.
struct Split {
    size_t down = 0;           // how many chasers are down with it, from 1
    uint64_t milliseconds = 0; // the chase's time at it
    bool compared = false;     // the pace has a break-up of that count
    int64_t difference = 0;    // compared: the chase's time less the pace's (below 0: ahead)
};

// The `down`th break-up, at `milliseconds`, against `pace`: each break-up's time in order.
Split SplitAt(size_t down, uint64_t milliseconds, const std::vector<uint64_t>& pace);

// Ahead of the pace (-1), behind it (1), or level with it or not compared (0): the note's colour.
int SideOf(const Split& split);

// A difference in seconds with its sign: "-0.812", "+12.040", "0.000".
std::string SignedSecondsText(int64_t milliseconds);

// The corner's note: "3 down 12.345 s, -0.812"; "3 down 12.345 s" when not compared.
std::string SplitText(const Split& split);

// "All 12 chasers down in 67.449 s", then "New best" or "Best 61.299 s" (no line without a
// record; times as the records keep them), then the last break-up against the pace when it was
// compared, "-0.812 on the ghost" (`against` names the pace), then the keys on offer as one
// line, "R: chase again · Escape: quit" (none when none is), which the display breaks where the
// window is too narrow.
std::vector<std::string> BannerLines(const ChaseClock& chase, const BestTime& best,
                                     const Split& last, const std::string& against,
                                     const std::vector<KeyHint>& offers);

// How long the keys panel shows at the start unless a key is pressed.
constexpr uint64_t KeysPanelMilliseconds = 10000;

struct KeysPanel {
    bool atStart = true;       // the start's showing has not ended
    uint64_t milliseconds = 0; // of the frames since the start, paused or not
};

// Counts in a frame; the start's showing ends after KeysPanelMilliseconds.
void CountPanelFrame(KeysPanel& panel, uint32_t milliseconds);

// Any key pressed ends the start's showing.
void PanelKeyPressed(KeysPanel& panel);

// Shown at the start, and while the key that asks for it is held.
bool KeysPanelShown(const KeysPanel& panel, bool asked);

// The hints as "KEY: does" joined by HintSeparator (" · ") into one line, in the order given:
// the display lays it out for the window's width (FitLines). Empty for no hints.
std::string HintsLine(const std::vector<KeyHint>& hints);

// Whether the window has the input focus and is shown, from SDL's active events.
struct WindowPresence {
    bool focused = true;
    bool shown = true; // not iconified
};

// An active event: `gain` (1 when gained), `state` the SDL_APPINPUTFOCUS and SDL_APPACTIVE
// bits it concerns (the mouse's focus is not heeded).
void TakeActiveEvent(WindowPresence& presence, bool gain, uint8_t state);

// Away from the window: the game pauses as if P were held.
inline bool WindowLeft(const WindowPresence& presence) {
    return !presence.focused || !presence.shown;
}
