// SPDX-License-Identifier: MIT
// The game window: opening it, the projection, and video-mode changes that keep GL whole.
#pragma once

#include "WindowModes.h"

#include <cstdint>
#include <string>

// True when no display is set for SDL to open a window on (and no video driver was chosen):
// the game then refuses before SDL starts, since SDL's text-terminal fallback writes to
// standard output.
bool NoDisplayToOpen();

// Before SDL starts: the compatibility layer's scaled copy of a GL window turned off (unless the
// player set it), and with a display named and no video driver chosen, SDL is held to that
// display's driver. Classic SDL would otherwise fall back, when the display cannot be reached,
// to a text-terminal driver that writes to standard output.
void HoldToTheDisplay();

// SDL's last error, naming the display when SDL was held to it.
std::string SdlReason();

// How the game window starts.
struct StartMode {
    bool fullscreen = false; // full screen in FullScreenSize, else a resizable window
    int width = DefaultWindowSize.width, height = DefaultWindowSize.height; // the window's
    bool vsync = false;             // ask for the display's vertical sync where it is offered
};

// Start-up: the framebuffer attributes and the window as `mode` asks (a full screen that cannot
// be had gives the window; a window of a size that cannot be had gives DefaultWindowSize, with
// SDL's reason in `fallback`). False, with an "ERROR" line in `error` and SDL's own reason, if
// any, in `reason`, when there is no display to show a window on or no window can be made; the
// caller writes them once SDL is closed, since a text-terminal driver would wipe them.
bool OpenGameWindow(const StartMode& mode, std::string& error, std::string& reason,
                    std::string& fallback);

// The size of the display the window opened on, as it was before the game's first mode; {0, 0}
// when SDL could not say.
WindowSize DisplaySize();

// The window's size now; false in full screen or before the window opens.
bool ShownWindow(int& width, int& height);

// The viewport and the 45-degree perspective for a drawable of this size.
void SetProjection(int width, int height);

// The refresh rate of the display the window is on, in frames a second, as XRandR reports its
// primary output's mode (RefreshRate.cpp); 0 when it cannot be known (no X display, no RandR,
// or a mode with no pixel clock, as a virtual display reports it).
double DisplayRefreshRate();

// F1, F2 and resizes. On failure the previous mode is taken back; false, after an "ERROR" line
// (and SDL's reason on standard error), only when no mode works any more. Where the platform
// dropped the GL context, the caller makes its GL objects again.
bool ChangeVideoMode(int width, int height, uint32_t flags);
