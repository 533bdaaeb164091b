// SPDX-License-Identifier: MIT
// The game's names of the keys SDL 1.2 has: one row each for the keys that are no character.
#include "KeyLabels.h"

#include <cctype>

namespace {

struct NamedKey {
    SDLKey key;
    const char* name; // as the settings file spells it
};

// SDL's names of the keys that are no character of their own, but for the keypad's keys; the
// settings tests hold them to SDL's.
const NamedKey NamedKeys[] = {
    {SDLK_BACKSPACE, "backspace"},
    {SDLK_TAB, "tab"},
    {SDLK_CLEAR, "clear"},
    {SDLK_RETURN, "return"},
    {SDLK_PAUSE, "pause"},
    {SDLK_ESCAPE, "escape"},
    {SDLK_SPACE, "space"},
    {SDLK_DELETE, "delete"},
    {SDLK_KP0, "keypad 0"},
    {SDLK_KP1, "keypad 1"},
    {SDLK_KP2, "keypad 2"},
    {SDLK_KP3, "keypad 3"},
    {SDLK_KP4, "keypad 4"},
    {SDLK_KP5, "keypad 5"},
    {SDLK_KP6, "keypad 6"},
    {SDLK_KP7, "keypad 7"},
    {SDLK_KP8, "keypad 8"},
    {SDLK_KP9, "keypad 9"},
    {SDLK_KP_PERIOD, "keypad ."},
    {SDLK_KP_DIVIDE, "keypad /"},
    {SDLK_KP_MULTIPLY, "keypad *"},
    {SDLK_KP_MINUS, "keypad -"},
    {SDLK_KP_PLUS, "keypad +"},
    {SDLK_KP_ENTER, "keypad enter"},
    {SDLK_KP_EQUALS, "keypad ="},
    {SDLK_UP, "up"},
    {SDLK_DOWN, "down"},
    {SDLK_RIGHT, "right"},
    {SDLK_LEFT, "left"},
    {SDLK_INSERT, "insert"},
    {SDLK_HOME, "home"},
    {SDLK_END, "end"},
    {SDLK_PAGEUP, "page up"},
    {SDLK_PAGEDOWN, "page down"},
    {SDLK_NUMLOCK, "numlock"},
    {SDLK_CAPSLOCK, "caps lock"},
    {SDLK_SCROLLOCK, "scroll lock"},
    {SDLK_RSHIFT, "right shift"},
    {SDLK_LSHIFT, "left shift"},
    {SDLK_RCTRL, "right ctrl"},
    {SDLK_LCTRL, "left ctrl"},
    {SDLK_RALT, "right alt"},
    {SDLK_LALT, "left alt"},
    {SDLK_RMETA, "right meta"},
    {SDLK_LMETA, "left meta"},
    {SDLK_LSUPER, "left super"},
    {SDLK_RSUPER, "right super"},
    {SDLK_MODE, "alt gr"},
    {SDLK_COMPOSE, "compose"},
    {SDLK_HELP, "help"},
    {SDLK_PRINT, "print screen"},
    {SDLK_SYSREQ, "sys req"},
    {SDLK_BREAK, "break"},
    {SDLK_MENU, "menu"},
    {SDLK_POWER, "power"},
    {SDLK_EURO, "euro"},
    {SDLK_UNDO, "undo"},
};

// The game's name for the key; empty for a key it has none for.
std::string GameKeyName(SDLKey key) {
    for (const NamedKey& named : NamedKeys)
        if (named.key == key)
            return named.name;
    if (key >= SDLK_F1 && key <= SDLK_F15)
        return "f" + std::to_string(key - SDLK_F1 + 1);
    if (key >= SDLK_WORLD_0 && key <= SDLK_WORLD_95)
        return "world " + std::to_string(key - SDLK_WORLD_0);
    if (key > SDLK_SPACE && key < SDLK_DELETE) // printable ASCII: the key's own character
        return std::string(1, char(key));
    return "";
}

} // namespace

std::string FileKeyName(SDLKey key, const std::string& sdlName) {
    const std::string name = GameKeyName(key);
    return name.empty() ? sdlName : name;
}

std::string KeyLabel(SDLKey key) {
    std::string label = GameKeyName(key);
    if (label.empty())
        return "key " + std::to_string(int(key));
    for (size_t i = 0; i < label.size(); ++i)
        if (i == 0 || label[i - 1] == ' ')
            label[i] = char(std::toupper((unsigned char)label[i]));
    return label;
}
