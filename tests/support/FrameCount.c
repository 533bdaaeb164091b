// SPDX-License-Identifier: MIT
/* Preloaded into the game by the soak: counts buffer swaps into the file FRAME_COUNT_FILE. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static void (*realSwap)(void);
static int countFile = -1;
static unsigned long long frames;

void SDL_GL_SwapBuffers(void) {
    if (!realSwap) {
        realSwap = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
        const char* path = getenv("FRAME_COUNT_FILE");
        if (path)
            countFile = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    realSwap();
    ++frames;
    if (countFile >= 0) {
        /* Fixed width, rewritten in place: a reader always sees one whole number. */
        char line[24];
        int length = snprintf(line, sizeof line, "%20llu\n", frames);
        if (pwrite(countFile, line, (size_t)length, 0) != length)
            countFile = -1;
    }
}
