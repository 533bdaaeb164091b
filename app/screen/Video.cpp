// SPDX-License-Identifier: MIT
// Opening the game window, the projection, and video-mode changes.
#include "Video.h"

#include "Camera.h"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct VideoMode {
    int width, height;
    uint32_t flags;
};

VideoMode currentMode = {DefaultWindowSize.width, DefaultWindowSize.height,
                         SDL_OPENGL | SDL_RESIZABLE};
std::string heldToDisplay; // the display SDL was held to, if any
WindowSize displaySize = {0, 0}; // the desktop's, as SDL gave it before the first mode

// Drivers that SDL falls back to when there is no display: text terminals and invisible
// buffers. A game on one of them would run with no window and no way to quit.
bool CanShowAWindow(const char* driver) {
    const char* const Windowless[] = {"caca", "aalib", "dummy", "offscreen"};
    for (const char* name : Windowless)
        if (std::strcmp(driver, name) == 0)
            return false;
    return true;
}

bool SetMode(const VideoMode& mode) {
    SDL_Surface* surface = SDL_SetVideoMode(mode.width, mode.height, 32, mode.flags);
    if (!surface)
        return false;
    currentMode = mode;
    SetProjection(surface->w, surface->h);
    return true;
}

} // namespace

bool NoDisplayToOpen() {
#if defined(__unix__) && !defined(__APPLE__)
    // Without a display classic SDL picks a text-terminal driver that writes to standard output
    // as soon as it starts; refuse before that unless the user chose a driver.
    return !std::getenv("SDL_VIDEODRIVER") && !std::getenv("DISPLAY") &&
           !std::getenv("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

void HoldToTheDisplay() {
    // The SDL 1.2 compatibility layer draws a GL window through a scaled copy unless told not
    // to, which costs each frame several times the frame itself; the game sets its own viewport
    // on every mode change and needs no copy. Classic SDL ignores the variable; a player's own
    // setting wins.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
#if defined(__unix__) && !defined(__APPLE__)
    if (!std::getenv("SDL_VIDEODRIVER") && std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        heldToDisplay = std::getenv("DISPLAY");
    }
#endif
}

std::string SdlReason() {
    std::string reason = SDL_GetError();
    if (!heldToDisplay.empty())
        reason += " (display " + heldToDisplay + ")";
    return reason;
}

bool OpenGameWindow(const StartMode& mode, std::string& error, std::string& reason,
                    std::string& fallback) {
    char driver[64] = "";
    SDL_VideoDriverName(driver, sizeof driver);
    if (!std::getenv("SDL_VIDEODRIVER") && !CanShowAWindow(driver)) {
        error = std::string("ERROR: no display to show the game window on (video driver ") +
                driver + ")";
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (mode.vsync)
        SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    const SDL_VideoInfo* info = SDL_GetVideoInfo(); // before a mode is set: the desktop's
    if (info && info->current_w > 0 && info->current_h > 0)
        displaySize = {info->current_w, info->current_h};
    const VideoMode window = {mode.width, mode.height, SDL_OPENGL | SDL_RESIZABLE};
    const VideoMode usual = {DefaultWindowSize.width, DefaultWindowSize.height, window.flags};
    const VideoMode full = {FullScreenSize.width, FullScreenSize.height,
                            SDL_OPENGL | SDL_FULLSCREEN};
    if (!(mode.fullscreen && SetMode(full)) && !SetMode(window)) {
        fallback = SdlReason();
        if (!SetMode(usual)) {
            error = "ERROR: cannot open the game window";
            reason = SdlReason();
            return false;
        }
    }
    SDL_WM_SetCaption("starchase", "starchase");
    return true;
}

bool ShownWindow(int& width, int& height) {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    if (!surface || (surface->flags & SDL_FULLSCREEN))
        return false;
    width = surface->w;
    height = surface->h;
    return true;
}

void SetProjection(int width, int height) {
    // A window squeezed to no height still gets a finite aspect.
    if (height < 1)
        height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    float aspect = float(width) / float(height);
    gluPerspective(FieldOfViewDegrees, double(aspect), 15, 150);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool ChangeVideoMode(int width, int height, uint32_t flags) {
    VideoMode previous = currentMode;
    VideoMode wanted = {width < 1 ? 1 : width, height < 1 ? 1 : height, flags};
    if (!SetMode(wanted) && !SetMode(previous)) {
        std::printf("ERROR: no video mode works any more\n");
        std::fflush(stdout);
        std::fprintf(stderr, "starchase: %s\n", SdlReason().c_str());
        return false;
    }
    return true;
}

WindowSize DisplaySize() {
    return displaySize;
}
