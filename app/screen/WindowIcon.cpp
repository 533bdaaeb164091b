// SPDX-License-Identifier: MIT
// Decoding the built-in icon with libpng and handing it to SDL, and to X11 as _NET_WM_ICON.
#include "WindowIcon.h"

#include "PngCodec.h"

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int LargestIcon = 512; // pixels a side

struct Icon {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba; // rows from the top
};

Icon icon; // read before the window opens, published once it is

void GiveToSdl() {
    // Bytes R, G, B, A in memory, whatever the machine's byte order.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
    const Uint32 red = 0xff000000, green = 0x00ff0000, blue = 0x0000ff00, alpha = 0x000000ff;
#else
    const Uint32 red = 0x000000ff, green = 0x0000ff00, blue = 0x00ff0000, alpha = 0xff000000;
#endif
    SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(icon.rgba.data(), icon.width, icon.height, 32,
                                                    icon.width * 4, red, green, blue, alpha);
    if (!surface)
        return;
    SDL_WM_SetIcon(surface, nullptr); // SDL keeps its own copy
    SDL_FreeSurface(surface);
}

} // namespace

void SetWindowIcon() {
    const std::vector<unsigned char> png(WindowIconPng, WindowIconPng + WindowIconPngSize);
    std::string reason;
    if (!DecodePngRgba(png, LargestIcon, icon.width, icon.height, icon.rgba, reason)) {
        std::fprintf(stderr, "starchase: the window's icon: %s; the window has none\n",
                     reason.c_str());
        return;
    }
    GiveToSdl();
}

void PublishWindowIcon() {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (icon.rgba.empty() || SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11)
        return;
    // The compatibility layer over SDL2 names only the one window it has.
    Window window = info.info.x11.wmwindow ? info.info.x11.wmwindow : info.info.x11.window;
    if (!window || !info.info.x11.lock_func || !info.info.x11.unlock_func)
        return;
    // Width, height, then each pixel as 0xAARRGGBB; Xlib takes 32-bit properties as longs.
    using Cardinal = unsigned long;
    std::vector<Cardinal> cardinals = {Cardinal(icon.width), Cardinal(icon.height)};
    for (size_t i = 0; i + 3 < icon.rgba.size(); i += 4)
        cardinals.push_back(Cardinal(icon.rgba[i + 3]) << 24 | Cardinal(icon.rgba[i]) << 16 |
                            Cardinal(icon.rgba[i + 1]) << 8 | icon.rgba[i + 2]);
    info.info.x11.lock_func();
    Display* display = info.info.x11.display;
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(cardinals.data()),
                    int(cardinals.size()));
    XFlush(display);
    info.info.x11.unlock_func();
#endif
    icon = Icon{};
}
