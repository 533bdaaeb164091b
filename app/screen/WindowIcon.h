// SPDX-License-Identifier: MIT
// The window's icon: the player's ship, drawn by the build and compiled into the game.
#pragma once

#include <cstddef>

// The icon as a PNG file, made by the build (WindowIconPng.cpp in the build folder).
extern const unsigned char WindowIconPng[];
extern const size_t WindowIconPngSize;

// Before the window opens: decodes the icon and gives it to SDL. No file is read.
void SetWindowIcon();

// Once the window is open: on X11, also sets the window's _NET_WM_ICON (which window lists and
// task switchers read, and classic SDL 1.2 leaves unset) from the icon SetWindowIcon decoded.
void PublishWindowIcon();
