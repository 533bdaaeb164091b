// SPDX-License-Identifier: MIT
// The frame loop with its millisecond timing: a played demo's frames at the player's pace, or
// live frames measured, capped and recorded.
#include "FrameLoop.h"

#include "Actions.h"
#include "Chase.h"
#include "ChaserMarks.h"
#include "DemoPlay.h"
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
#include <cstdio>

namespace {

// How long a played demo waits at most between looks at the window's events.
constexpr double EventWaitMilliseconds = 5;

// How long a played demo steps the frames due before it draws, at most: as fast as it replays,
// or behind its pace, the window is still drawn and answers about 20 times a second.
constexpr double StepBudgetMilliseconds = 50;

// The loop's clocks.
struct LoopClock {
    double previousTick = 0; // when the last live frame began
    double drawnTick = 0;    // when the last frame was drawn
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
    return HeldKeys{
        uint16_t(HeldActionsOfKeys(bindings, state, count).bits | ReadGamepad(bindings).bits)};
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

// A live frame's length in milliseconds, measured, and its held actions, read and recorded.
void NextLiveFrame(DemoSession& demo, LoopClock& clock, double& elapsed, HeldKeys& keys) {
    FollowFrameCap(clock);
    Rest(clock.pace, WindowIsLeft()); // paused, and its picture still
    elapsed = MeasureFrame(clock);
    keys = PauseForOptions(PauseWhileLeft(ReadHeldKeys()));
    RecordFrame(demo, elapsed, keys);
    RecordChaseFrame(elapsed, keys);
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

void DrawFrame(LoopClock& clock) {
    clock.drawnTick = SDL_GetTicks();
    RenderFrame();
    DrawGhost();
    DrawChaserMarks();
    DrawChase();
    ShowHud(CurrentChase());
    DrawOptions();
    std::string saved; // the screenshot's note shows from the next frame: it is not in the picture
    if (TakeAskedScreenshot(saved))
        ShowHudNote(ActionNote(Action::Screenshot, saved.empty() ? "not saved" : saved));
    SDL_GL_SwapBuffers();
}

// The demo from its start again, its first chase set up as at the start of the game.
bool PlayFromStart(DemoSession& demo, LoopClock& clock) {
    std::string error;
    if (!RewindPlayedDemo(demo, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        demo.failed = true;
        return false;
    }
    DemoPlayFromStart();
    StartNewChase(demo.player->demo.starSeed);
    RestartGhost();
    clock.frames = FrameClock{};
    return true;
}

// A played demo's recorded frames due at the player's pace, each stepped as it was recorded, for
// the step budget at most. `stepped` counts them. False once the demo has ended.
bool PlayDueFrames(DemoSession& demo, LoopClock& clock, int& stepped) {
    if (TakeAskedDemoStart() && !PlayFromStart(demo, clock))
        return false;
    const double began = SDL_GetTicks();
    DemoFrame frame;
    bool restarted = false, ended = false;
    while (NextDueFrame(demo, frame, restarted, ended)) {
        if (restarted)
            NewChase(demo, clock);
        UpdateChase(clock, frame.milliseconds, HeldKeys{frame.keys});
        ++stepped;
        if (SDL_GetTicks() - began >= StepBudgetMilliseconds) {
            DemoPlayBehind();
            break;
        }
    }
    return !ended;
}

// A played demo: drawn when frames were stepped, the video mode changed, or a resting frame's
// time has passed (a paused demo's picture is still); otherwise the loop waits a little for the
// next frame, looking at the window's events, so that a long recorded frame never holds it up.
LoopState PlayDemoFrames(DemoSession& demo, LoopClock& clock) {
    LoopState state = KeepRunning;
    StartDemoPlay();
    while (state == KeepRunning) {
        const bool modeChanged = TakeEvents(state, false);
        int stepped = 0;
        if (!PlayDueFrames(demo, clock, stepped))
            return DemoOver;
        if (stepped > 0 || modeChanged || SDL_GetTicks() - clock.drawnTick >= 1000.0 / RestingFps) {
            HoldHudNote(DemoPlayLine(demo));
            DrawFrame(clock);
        } else {
            SDL_Delay(Uint32(std::min(MillisecondsToNextFrame(), EventWaitMilliseconds)));
        }
    }
    return state;
}

} // namespace

LoopState RunFrameLoop(DemoSession& demo) {
    LoopState state = KeepRunning;
    LoopClock clock;
    clock.previousTick = SDL_GetTicks();
    if (demo.mode == PlayDemo)
        return PlayDemoFrames(demo, clock);
    clock.refreshHz = DisplayRefreshRate();
    clock.fps = FrameCap(SettingsInForce().fps, clock.refreshHz);
    clock.pace = StartPace(clock.fps, clock.previousTick);
    while (state == KeepRunning) {
        TakeEvents(state, true);
        TakeOptionsPad(state);
        TakeOptionsProof();
        if (TakeAskedNewChase())
            NewChase(demo, clock);
        double elapsed;
        HeldKeys keys;
        NextLiveFrame(demo, clock, elapsed, keys);
        UpdateChase(clock, elapsed, keys);
        DrawFrame(clock);
    }
    return state;
}
