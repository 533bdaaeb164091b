// SPDX-License-Identifier: MIT
// The options drawn over the scene in the display's font: one block in the middle of the window
// on a dark backdrop, drawn in one pass as the keys panel is.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Lines of the display's font the window holds with the panel's margins; 0 until the font is
// loaded.
size_t OptionsPanelLines();

// Draws `lines` in the middle of the window. False without a usable font (the display's one line
// on standard error says why).
bool DrawOptionsPanel(const std::vector<std::string>& lines);

// Before the GL context goes: the panel's texture.
void FreeOptionsPanel();
