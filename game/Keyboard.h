// The one seam through which the game reads held keys.
//
// The application points it at SDL's key array each frame; tests point it at a plain array.
// Key codes are SDL 1.2's, so the array can be SDL_GetKeyState's own.
#pragma once

enum KeyCode {
    KeySpace = 32,
    KeyP = 112,
    KeyT = 116,
    KeyUp = 273,
    KeyDown = 274,
    KeyRight = 275,
    KeyLeft = 276,
    KeyLeftCtrl = 306,
    KeyLeftAlt = 308,
};

// `keys[code]` non-zero means held; codes at or past `count` read as not held.
void SetHeldKeys(const unsigned char* keys, int count);
bool KeyHeld(int code);
