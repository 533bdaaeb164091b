// SPDX-License-Identifier: MIT
// F12: the frame as drawn, saved as a PNG file in the user's data folder.
#pragma once

#include <string>

// The folder screenshots go to: "screenshots" in PlayerDataFolder(); empty when there is none.
std::string ScreenshotFolder();

// Asks for the frame being drawn to be saved (the F12 key).
void AskForScreenshot();

// After the frame is drawn, before the buffers are swapped: when asked, reads the back buffer and
// writes it to starchase-YYYY-MM-DD-HHMMSS.png in ScreenshotFolder (with -2, -3 ... added, never
// over a file), making the folder when needed, and prints its path on standard output. A file
// that cannot be written gives one line on standard error; the game goes on. True when one was
// asked for, with `name` the file's name without its folder, or empty when none was saved.
bool TakeAskedScreenshot(std::string& name);
