// SPDX-License-Identifier: MIT
// The program's entry: the game, with a lack of memory its last refusal.
#include "RunGame.h"

#include <cstdio>
#include <new>

// Every reader turns a lack of memory into its own refusal; this is only the last line of defence.
int main(int argc, char** argv) {
    try {
        return RunGame(argc, argv);
    } catch (const std::bad_alloc&) {
        std::printf("ERROR: out of memory\n");
        return 1;
    }
}
