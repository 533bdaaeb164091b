// SPDX-License-Identifier: MIT
// The game's frame against an empty frame in the same 1024x768 window, and start-up time.
// Run from a folder holding the default data (bench/frame.sh does), on a display.
#include "Frame.h"
#include "SceneSetUp.h"
#include "Sound.h"
#include "Video.h"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace {

void EmptyFrame(benchmark::State& state) {
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFlush();
        SDL_GL_SwapBuffers();
    }
}

void PlayFrame() {
    UpdateFrame(HeldKeys(), 1.0 / 60);
    RenderFrame();
    SDL_GL_SwapBuffers();
}

// One frame as the loop runs it at 60 frames a second: update, render, swap. Every run plays
// the same stretch of the game, from 2 to 12 seconds after start-up: by then the chasers have
// closed in and fire, and the world holds the same ships and shots from run to run.
void GameFrame(benchmark::State& state) {
    if (!SetUpScene()) {
        state.SkipWithError("Set-up failed: run from a folder with the default data");
        return;
    }
    for (int i = 0; i < 2 * 60; ++i)
        PlayFrame();
    for (auto _ : state)
        PlayFrame();
    TearDownScene();
}

// The same frames with the sound open (SDL_AUDIODRIVER chooses the device; bench/frame.sh takes
// SDL's silent one, which still mixes), heard or muted: the mixer's cost is the difference.
void GameFrameSound(benchmark::State& state, bool muted) {
    std::string note;
    std::vector<std::string> silent;
    if (!OpenSound(muted, note, silent)) {
        state.SkipWithError(note.c_str());
        return;
    }
    GameFrame(state);
    CloseSound();
}

void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        bool ok = SetUpScene();
        state.PauseTiming();
        TearDownScene();
        state.ResumeTiming();
        if (!ok) {
            state.SkipWithError("Set-up failed");
            return;
        }
    }
}

// Most of a frame's work happens in the GL driver's threads and the X server: time by the clock.
BENCHMARK(EmptyFrame)->Unit(benchmark::kMillisecond)->Iterations(600)->UseRealTime();
BENCHMARK(GameFrame)->Unit(benchmark::kMillisecond)->Iterations(600)->UseRealTime();
BENCHMARK_CAPTURE(GameFrameSound, muted, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(600)
    ->UseRealTime();
BENCHMARK_CAPTURE(GameFrameSound, heard, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(600)
    ->UseRealTime();
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string error, reason;
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0 ||
        !OpenGameWindow(StartMode(), error, reason, reason)) {
        std::printf("frame_bench needs a display\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    SDL_Quit();
    return 0;
}
