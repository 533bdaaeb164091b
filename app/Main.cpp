// Process entry: SDL, the game window, and the frame loop with its millisecond timing.
#include "Frame.h"
#include "Keyboard.h"
#include "Video.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <string>

namespace {

void WriteLine(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

enum LoopState { KeepRunning, Quit, NoVideoMode };

LoopState ChangeMode(int width, int height, Uint32 flags) {
    return ChangeVideoMode(width, height, flags) ? KeepRunning : NoVideoMode;
}

LoopState HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT)
        return Quit;
    if (event.type == SDL_VIDEORESIZE)
        return ChangeMode(event.resize.w, event.resize.h, SDL_OPENGL | SDL_RESIZABLE);
    if (event.type != SDL_KEYDOWN)
        return KeepRunning;
    switch (event.key.keysym.sym) {
    case SDLK_ESCAPE:
        return Quit;
    case SDLK_F1:
        return ChangeMode(1024, 768, SDL_OPENGL | SDL_FULLSCREEN);
    case SDLK_F2:
        return ChangeMode(640, 480, SDL_OPENGL | SDL_RESIZABLE);
    default:
        return KeepRunning; // held keys are read by the update pass
    }
}

// Runs frames until a quit is asked for; the frame that takes the quit is still rendered.
LoopState RunFrameLoop() {
    LoopState state = KeepRunning;
    SDL_Event event{};
    double previousTick = SDL_GetTicks();
    double accumulated = 0; // milliseconds of all completed frames
    while (state == KeepRunning) {
        while (SDL_PollEvent(&event)) {
            LoopState result = HandleEvent(event);
            if (state == KeepRunning)
                state = result;
        }
        double tick;
        do // no sleep: a frame lasts at least until the millisecond clock moves on
            tick = SDL_GetTicks();
        while (tick == previousTick);
        double elapsed = tick - previousTick;
        previousTick = tick;
        // The first frame has no earlier frame to time, so it never updates.
        if (accumulated > 1.0)
            UpdateFrame(elapsed * 0.001);
        RenderFrame();
        SDL_GL_SwapBuffers();
        accumulated += elapsed;
    }
    return state;
}

} // namespace

int main(int, char**) {
    if (NoDisplayToOpen()) {
        WriteLine("ERROR: no display to show the game window on (DISPLAY is not set)");
        return 1;
    }
    // No parachute: classic SDL's handler for fatal signals closes SDL inside the signal, where
    // it can wait for ever on the GL driver's threads; a crash must end the process.
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) == -1) {
        WriteLine("Error initializing SDL");
        return 1;
    }
    std::string error;
    if (!OpenGameWindow(error)) {
        SDL_Quit();
        WriteLine(error.c_str());
        return 1;
    }
    int keyCount = 0;
    const Uint8* keys = SDL_GetKeyState(&keyCount); // SDL keeps this array current
    SetHeldKeys(keys, keyCount);
    if (!Initialize()) {
        WriteLine("ERROR during Initialize() Exiting...");
        Shutdown(); // frees what loading made while the GL context is still here
        SDL_Quit();
        return 1;
    }
    LoopState end = RunFrameLoop();
    Shutdown();
    SDL_Quit();
    return end == Quit ? 0 : 1;
}
