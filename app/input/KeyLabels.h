// SPDX-License-Identifier: MIT
// The keys by the game's names for them: the settings file's (SDL's, but for the keypad, which SDL
// names after the keys it copies) and the labels the help texts and the keys panel show.
#pragma once

#include <SDL/SDL_keysym.h>

#include <string>
#include <vector>

// The settings file's name for a key that SDL calls `sdlName`: the game's name, which is SDL's
// (classic SDL's: the compatibility layer calls ';' ");"), but "keypad 6", "keypad enter",
// "keypad =" for the keypad's keys, which SDL calls "[6]", "enter" and "equals"; SDL's for a key
// the game has no name for. The file takes SDL's names too.
std::string FileKeyName(SDLKey key, const std::string& sdlName);

// What stands between the pieces of one line of hints, on the screen and in the options:
// "Up: thrust forward · Space: fire".
inline const std::string HintSeparator = " \u00b7 ";

// A key as the help texts spell it: its name in the settings file, each word capitalised ("Up",
// "Left Alt", "F12", "P", "Keypad 6", "Caps Lock"); "key 300" for a key the game has no name for.
std::string KeyLabel(SDLKey key);

// A name the settings file takes for a key: SDL's ("space", "left alt", "f1", "-"), or the game's
// where it differs ("keypad 6"); a key's first name in the list is the one written.
struct KeyName {
    SDLKey key;
    std::string name;
};
using KeyNames = std::vector<KeyName>;
