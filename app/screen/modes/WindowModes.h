// SPDX-License-Identifier: MIT
// The sizes the game's window takes: full screen, the window F2 gives, and the first window; read
// by the video code, the keys' help and the settings' defaults.
#pragma once

#include <string>

struct WindowSize {
    int width, height; // pixels
};

// Full screen is always this mode.
inline constexpr WindowSize FullScreenSize = {1024, 768};
// The small window the window action gives.
inline constexpr WindowSize SmallWindowSize = {640, 480};
// The window the game opens when nothing says otherwise.
inline constexpr WindowSize DefaultWindowSize = {1024, 768};

// The window sizes the options step through, smallest first.
inline constexpr WindowSize OfferedWindowSizes[] = {
    SmallWindowSize, {800, 600},  DefaultWindowSize, {1280, 720},
    {1280, 1024},    {1600, 900}, {1920, 1080}};

// "1024x768", as the help, the settings file and the messages spell a size.
inline std::string SizeText(WindowSize size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

// `text` with its "%s" replaced by the size, as help texts name one; `text` as it is without a
// size.
inline std::string WithSize(const char* text, const WindowSize* size) {
    std::string with = text;
    const size_t at = with.find("%s");
    return size && at != std::string::npos ? with.replace(at, 2, SizeText(*size)) : with;
}
