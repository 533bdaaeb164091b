// SPDX-License-Identifier: MIT
// SDL_GetKeyName over every key, SDL's video started on its dummy driver when it must be.
#include "SdlKeyNames.h"

#include "KeyLabels.h"

#include <SDL/SDL.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool Named(SDLKey key) {
    const char* name = SDL_GetKeyName(key);
    return name && *name && std::strcmp(name, "unknown key") != 0;
}

// Starts SDL's video on its dummy driver, which classic SDL offers only while SDL_VIDEODRIVER
// names it; the variable is as it was afterwards.
bool StartDummyVideo() {
    const char* was = std::getenv("SDL_VIDEODRIVER");
    const std::string before = was ? was : "";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const bool started = SDL_VideoInit("dummy", 0) == 0;
    if (was)
        setenv("SDL_VIDEODRIVER", before.c_str(), 1);
    else
        unsetenv("SDL_VIDEODRIVER");
    return started;
}

} // namespace

KeyNames SdlKeyNames() {
    // Classic SDL fills its table of names when its video starts; the compatibility layer has it
    // from the start.
    const bool started = !Named(SDLK_SPACE) && StartDummyVideo();
    KeyNames names, sdlOwn;
    for (int key = SDLK_FIRST; key < SDLK_LAST; ++key) {
        if (!Named(SDLKey(key)))
            continue;
        const std::string sdlName = SDL_GetKeyName(SDLKey(key));
        names.push_back({SDLKey(key), FileKeyName(SDLKey(key), sdlName)});
        if (names.back().name != sdlName)
            sdlOwn.push_back({SDLKey(key), sdlName});
    }
    if (started)
        SDL_VideoQuit();
    names.insert(names.end(), sdlOwn.begin(), sdlOwn.end());
    return names;
}
