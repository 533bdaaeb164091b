// SPDX-License-Identifier: MIT
// The banner's and the panel's lines, and the window's presence.
#include "ChaseText.h"

#include "Formatted.h"
#include "HudText.h"

#include <SDL/SDL_active.h>

Split SplitAt(size_t down, uint64_t milliseconds, const std::vector<uint64_t>& pace) {
    Split split{down, milliseconds};
    split.compared = down >= 1 && down <= pace.size();
    if (split.compared)
        split.difference = int64_t(milliseconds) - int64_t(pace[down - 1]);
    return split;
}

int SideOf(const Split& split) {
    if (!split.compared || split.difference == 0)
        return 0;
    return split.difference < 0 ? -1 : 1;
}

std::string SignedSecondsText(int64_t milliseconds) {
    const char* sign = milliseconds < 0 ? "-" : milliseconds > 0 ? "+" : "";
    const uint64_t size = milliseconds < 0 ? uint64_t(0) - uint64_t(milliseconds)
                                           : uint64_t(milliseconds);
    return sign + ExactSecondsText(size);
}

std::string SplitText(const Split& split) {
    const std::string text =
        std::to_string(split.down) + " down " + ExactSecondsText(split.milliseconds) + " s";
    return split.compared ? text + ", " + SignedSecondsText(split.difference) : text;
}

std::vector<std::string> BannerLines(const ChaseClock& chase, const BestTime& best,
                                     const Split& last, const std::string& against,
                                     const std::vector<KeyHint>& offers) {
    std::vector<std::string> lines = {AllDownLine(chase)};
    if (best.beaten)
        lines.push_back("New best");
    else if (best.known)
        lines.push_back("Best " + ExactSecondsText(best.milliseconds) + " s");
    if (last.compared)
        lines.push_back(SignedSecondsText(last.difference) + " on " + against);
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
