// Held-key state, read through one function so that tests can hold keys without SDL.
#include "Keyboard.h"

namespace {
const unsigned char* heldKeys = nullptr;
int heldKeyCount = 0;
} // namespace

void SetHeldKeys(const unsigned char* keys, int count) {
    heldKeys = keys;
    heldKeyCount = keys ? count : 0;
}

bool KeyHeld(int code) { return code >= 0 && code < heldKeyCount && heldKeys[code] != 0; }
