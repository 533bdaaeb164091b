// SPDX-License-Identifier: MIT
// The options' block, sized to the window and kept clear of the display's corner.
#include "OptionsPanel.h"

#include "Hud.h"

#include <SDL/SDL.h>

namespace {

constexpr int Margin = 12;        // pixels from the window's edges to the text
constexpr float Backdrop = 0.75f; // how opaque the panel's black backdrop is
// Lines at the window's top the panel leaves to the display's corner: its lines, a note and a gap.
constexpr int CornerLines = 6;
// Characters of the widest line the panel is laid out for (the options' OptionsWidth).
constexpr size_t WidestLine = 60;

HudBlock panel;

} // namespace

size_t OptionsPanelLines() {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    const int skip = HudLineSkip();
    const int room = surface ? surface->h - 2 * Margin - 1 - CornerLines * skip : 0;
    // A block of n lines is n line skips and a pixel for the shadow high, with the margins.
    return skip > 0 && room > skip ? size_t(room / skip) : 1;
}

bool DrawOptionsPanel(const std::vector<std::string>& lines) {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    const int skip = HudLineSkip();
    // As wide as its widest line could be, so that it stays put as its lines change; centred, or
    // at the bottom where centred it would reach the display's corner.
    panel.wrap = false;
    panel.leastWidth = HudTextWidth(std::string(WidestLine, 'n'));
    const int height = int(lines.size()) * skip;
    const bool low = surface && skip > 0 && surface->h - height < 2 * (Margin + CornerLines * skip);
    return DrawHudBlock(panel, lines, HudPlacement{0.5f, low ? 1.0f : 0.5f, Margin}, Backdrop);
}

void FreeOptionsPanel() {
    FreeHudBlock(panel);
}
