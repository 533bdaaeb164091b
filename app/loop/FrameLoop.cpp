// SPDX-License-Identifier: MIT
// The frame loop with its millisecond timing: a played demo's frames at their recorded pace, or
// live frames measured, capped and recorded.
#include "FrameLoop.h"

#include "Actions.h"
#include "Chase.h"
#include "DemoSession.h"
#include "Frame.h"
#include "FramePace.h"
#include "Gamepad.h"
#include "Ghost.h"
#include "Hud.h"
#include "OptionsPlay.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "Replay.h"
#include "Screenshot.h"
#include "Video.h"
#include "WindowEvents.h"

#include <SDL/SDL.h>

#include <algorithm>

namespace {

// How long a played demo waits at most between looks at the window's events.
constexpr double EventWaitMilliseconds = 5;

// The loop's clocks.
struct LoopClock {
    double startTick = 0;    // SDL's milliseconds when the loop began
    double previousTick = 0; // when the last live frame began
    double played = 0;       // milliseconds of the demo frames played so far
    double refreshHz = 0;    // the display's, as read at the start; 0: not known
    int fps = 0;             // the cap in force (0: none)
    FramePace pace;
    FrameClock frames;
};

// The held actions, as SDL saw the keys at the last event poll, and the pad's.
HeldKeys ReadHeldKeys() {
    const Bindings& bindings = SettingsInForce().bindings;
    int count = 0;
    const Uint8* state = SDL_GetKeyState(&count);
    return HeldKeys{uint16_t(HeldActionsOfKeys(bindings, state, count).bits |
                             ReadGamepad(bindings).bits)};
}

// Sleeps until the frame cap lets the next frame start, then waits for the millisecond clock to
// move on (a frame lasts at least until it does) and gives the frame's length as it was: the step
// takes the frame time unclamped, so nothing slow may run inside a frame.
double MeasureFrame(LoopClock& clock) {
    if (unsigned sleep = MillisecondsToSleep(clock.pace, SDL_GetTicks()))
        SDL_Delay(sleep);
    double tick;
    do
        tick = SDL_GetTicks();
    while (tick == clock.previousTick);
    FrameStarted(clock.pace, tick);
    const double elapsed = tick - clock.previousTick;
    clock.previousTick = tick;
    return elapsed;
}

// The cap the fps setting gives now: the player may change it in play.
void FollowFrameCap(LoopClock& clock) {
    const int fps = FrameCap(SettingsInForce().fps, clock.refreshHz);
    if (fps != clock.fps)
        ChangeCap(clock.pace, fps);
    clock.fps = fps;
}

// A played demo keeps the recorded pace: each frame waits until the clock has caught up with
// the recorded time. Where drawing is slower, it falls behind; the steps stay the same. However
// long a recorded frame, the window keeps answering while it waits: a quit ends the wait, and a
// new video mode is drawn at once.
void KeepPace(const LoopClock& clock, LoopState& state) {
    double left;
    while (state == KeepRunning &&
           (left = clock.played - (SDL_GetTicks() - clock.startTick)) > 0) {
        SDL_Delay(Uint32(std::min(left, EventWaitMilliseconds)));
        if (TakeEvents(state, false) && state == KeepRunning) {
            RenderFrame();
            SDL_GL_SwapBuffers();
        }
    }
}

// At the end of a chase: the set's best before it, and whether it beat it (then it is kept).
void ShowChaseBest() {
    SetChaseBest(ChaseEnded(CurrentChase().milliseconds));
}

// A new chase, asked for with R or read from a played demo; its first frame never steps.
void NewChase(DemoSession& demo, LoopClock& clock) {
    const RandomSeed& stars = RestartChase(demo, CurrentChase());
    StartChaseDemo(stars);
    StartNewChase(stars);
    RestartGhost();
    clock.frames = FrameClock{};
}

// The next frame's length in milliseconds and its held actions: a played demo's next frame, at
// its pace, or a live frame measured, read and recorded. False when a played demo has ended.
bool NextFrame(DemoSession& demo, LoopClock& clock, LoopState& state, double& elapsed,
               HeldKeys& keys) {
    DemoFrame frame;
    bool restarted = false;
    if (NextDemoFrame(demo, frame, restarted)) {
        if (restarted)
            NewChase(demo, clock);
        elapsed = frame.milliseconds;
        keys.bits = frame.keys;
        clock.played += elapsed;
        KeepPace(clock, state);
        return true;
    }
    if (demo.mode == PlayDemo)
        return false;
    FollowFrameCap(clock);
    Rest(clock.pace, WindowIsLeft()); // paused, and its picture still
    elapsed = MeasureFrame(clock);
    keys = PauseForOptions(PauseWhileLeft(ReadHeldKeys()));
    RecordFrame(demo, elapsed, keys);
    RecordChaseFrame(elapsed, keys);
    return true;
}

// The frame's update, when it steps, and the chase's count of it.
void UpdateChase(LoopClock& clock, double elapsed, HeldKeys keys) {
    // The first frame has no earlier frame to time, so it never updates.
    bool updates = FrameUpdates(clock.frames, elapsed);
    if (updates)
        UpdateFrame(keys, elapsed * 0.001);
    if (CountChase(keys, uint32_t(elapsed), updates))
        ShowChaseBest();
    TakeGhostProof(CurrentChase());
    FlyGhost(CurrentChase());
}

void DrawFrame() {
    RenderFrame();
    DrawGhost();
    DrawChase();
    ShowHud(CurrentChase());
    DrawOptions();
    std::string saved; // the screenshot's note shows from the next frame: it is not in the picture
    if (TakeAskedScreenshot(saved))
        ShowHudNote(ActionNote(Action::Screenshot, saved.empty() ? "not saved" : saved));
    SDL_GL_SwapBuffers();
}

} // namespace

LoopState RunFrameLoop(DemoSession& demo) {
    LoopState state = KeepRunning;
    LoopClock clock;
    clock.startTick = clock.previousTick = SDL_GetTicks();
    clock.refreshHz = DisplayRefreshRate();
    clock.fps = FrameCap(SettingsInForce().fps, clock.refreshHz);
    clock.pace = StartPace(clock.fps, clock.previousTick);
    const bool live = demo.mode != PlayDemo;
    while (state == KeepRunning) {
        TakeEvents(state, live);
        if (live) {
            TakeOptionsPad(state);
            TakeOptionsProof();
        }
        if (TakeAskedNewChase()) // never in a played demo: its chases are the demo's
            NewChase(demo, clock);
        double elapsed;
        HeldKeys keys;
        if (!NextFrame(demo, clock, state, elapsed, keys))
            return DemoOver;
        UpdateChase(clock, elapsed, keys);
        DrawFrame();
    }
    return state;
}
