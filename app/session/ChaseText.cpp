// SPDX-License-Identifier: MIT
// The banner's and the panel's lines, and the window's presence.
#include "ChaseText.h"

#include "Formatted.h"
#include "HudText.h"

#include <SDL/SDL_active.h>

#include <cstdint>

std::vector<std::string> BannerLines(const ChaseClock& chase, const BestTime& best,
                                     const std::vector<KeyHint>& offers) {
    std::vector<std::string> lines = {AllDownLine(chase)};
    if (best.beaten)
        lines.push_back("New best");
    else if (best.known)
        lines.push_back("Best " + ExactSecondsText(best.milliseconds) + " s");
    for (const std::string& line : KeysPanelLines(offers, SIZE_MAX))
        lines.push_back(line);
    return lines;
}

void CountPanelFrame(KeysPanel& panel, uint32_t milliseconds) {
    panel.milliseconds += milliseconds;
    if (panel.milliseconds >= KeysPanelMilliseconds)
        panel.atStart = false;
}

void PanelKeyPressed(KeysPanel& panel) {
    panel.atStart = false;
}

bool KeysPanelShown(const KeysPanel& panel, bool asked) {
    return panel.atStart || asked;
}

std::vector<std::string> KeysPanelLines(const std::vector<KeyHint>& hints, size_t width) {
    const std::string separator = " \u00b7 ";
    std::vector<std::string> lines;
    size_t length = 0; // of the last line, in characters: the separator counts as 3
    for (const KeyHint& hint : hints) {
        std::string text = hint.key + ": " + hint.does;
        if (!lines.empty() && length + 3 + text.size() <= width) {
            lines.back() += separator + text;
            length += 3 + text.size();
        } else {
            lines.push_back(text);
            length = text.size();
        }
    }
    return lines;
}

void TakeActiveEvent(WindowPresence& presence, bool gain, uint8_t state) {
    if (state & SDL_APPINPUTFOCUS)
        presence.focused = gain;
    if (state & SDL_APPACTIVE)
        presence.shown = gain;
}
