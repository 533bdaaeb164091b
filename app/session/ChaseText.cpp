// SPDX-License-Identifier: MIT
// The banner's and the panel's lines, and the window's presence.
#include "ChaseText.h"

#include "Formatted.h"
#include "HudText.h"

#include <SDL/SDL_active.h>

std::vector<std::string> BannerLines(const ChaseClock& chase, const BestTime& best,
                                     const std::vector<KeyHint>& offers) {
    std::vector<std::string> lines = {AllDownLine(chase)};
    if (best.beaten)
        lines.push_back("New best");
    else if (best.known)
        lines.push_back("Best " + ExactSecondsText(best.milliseconds) + " s");
    if (!offers.empty())
        lines.push_back(HintsLine(offers));
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

std::string HintsLine(const std::vector<KeyHint>& hints) {
    std::string line;
    for (const KeyHint& hint : hints)
        line += (line.empty() ? "" : HintSeparator) + hint.key + ": " + hint.does;
    return line;
}

void TakeActiveEvent(WindowPresence& presence, bool gain, uint8_t state) {
    if (state & SDL_APPINPUTFOCUS)
        presence.focused = gain;
    if (state & SDL_APPACTIVE)
        presence.shown = gain;
}
