// SPDX-License-Identifier: MIT
// The options' block, sized to the window.
#include "OptionsPanel.h"

#include "Hud.h"

#include <SDL/SDL.h>

namespace {

constexpr int Margin = 12;        // pixels from the window's edges to the text
constexpr float Backdrop = 0.75f; // how opaque the panel's black backdrop is

HudBlock panel;

} // namespace

size_t OptionsPanelLines() {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    const int skip = HudLineSkip();
    if (!surface || skip <= 0 || surface->h <= 2 * Margin + 1)
        return 0;
    // A block of n lines is n line skips and a pixel for the shadow high, with the margins.
    return size_t((surface->h - 2 * Margin - 1) / skip);
}

bool DrawOptionsPanel(const std::vector<std::string>& lines) {
    return DrawHudBlock(panel, lines, HudPlacement{0.5f, 0.5f, Margin}, Backdrop);
}

void FreeOptionsPanel() {
    FreeHudBlock(panel);
}
