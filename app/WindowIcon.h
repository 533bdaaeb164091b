// SPDX-License-Identifier: MIT
// The window's icon: the player's ship, drawn by the build into the data folder.
#pragma once

// The icon file in the data folder (the working folder once it has been entered).
constexpr const char* WindowIconFile = "starchase.png";

// Before the window opens: reads WindowIconFile and gives it to SDL. A missing file leaves the
// window without an icon and says nothing; an unreadable one gives one line on standard error.
void SetWindowIcon();

// Once the window is open: on X11, also sets the window's _NET_WM_ICON (which window lists and
// task switchers read, and classic SDL 1.2 leaves unset) from the icon SetWindowIcon read.
void PublishWindowIcon();
