// SPDX-License-Identifier: MIT
// Process entry: SDL, the game window, and the frame loop with its millisecond timing.
#include "Bindings.h"
#include "Chase.h"
#include "DataFolder.h"
#include "DemoSession.h"
#include "Frame.h"
#include "FramePace.h"
#include "Gamepad.h"
#include "Ghost.h"
#include "Hud.h"
#include "Options.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "Replay.h"
#include "Screenshot.h"
#include "Sound.h"
#include "Video.h"
#include "WindowIcon.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace {

void WriteLine(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

enum LoopState { KeepRunning, Quit, DemoOver, NoVideoMode };

constexpr int VolumeStep = 10; // percent, for each press of a volume key

LoopState ChangeMode(int width, int height, Uint32 flags) {
    return ChangeVideoMode(width, height, flags) ? KeepRunning : NoVideoMode;
}

// The one place a pressed action takes effect. Sets `modeChanged` when it changes the video mode.
LoopState Press(Action action, bool& modeChanged) {
    switch (action) {
    case Action::Quit:
        return Quit;
    case Action::FullScreen:
        modeChanged = true;
        KeptSettings().fullscreen = true;
        return ChangeMode(1024, 768, SDL_OPENGL | SDL_FULLSCREEN);
    case Action::Window:
        modeChanged = true;
        KeepWindow(640, 480);
        return ChangeMode(640, 480, SDL_OPENGL | SDL_RESIZABLE);
    case Action::Display:
        KeptSettings().hud = ToggleHud();
        return KeepRunning;
    case Action::Screenshot:
        AskForScreenshot();
        return KeepRunning;
    case Action::Sound:
        KeptSettings().sound = !ToggleMute();
        return KeepRunning;
    case Action::VolumeDown:
    case Action::VolumeUp:
        StepVolume(action == Action::VolumeUp ? VolumeStep : -VolumeStep);
        return KeepRunning;
    case Action::Ghost:
        ToggleGhost(BestDemoPath());
        return KeepRunning;
    case Action::Restart:
        AskForNewChase();
        return KeepRunning;
    default:
        return KeepRunning; // a held action: read once a frame
    }
}

// Sets `modeChanged` when the event changes the video mode. `live`: not a played demo.
LoopState HandleEvent(const SDL_Event& event, bool live, bool& modeChanged) {
    TakeChaseEvent(event, live);
    if (event.type == SDL_QUIT)
        return Quit;
    if (event.type == SDL_VIDEORESIZE) {
        modeChanged = true;
        KeepWindow(event.resize.w, event.resize.h);
        return ChangeMode(event.resize.w, event.resize.h, SDL_OPENGL | SDL_RESIZABLE);
    }
    const Bindings& bindings = KeptSettings().bindings;
    Action action;
    if ((event.type == SDL_KEYDOWN && PressedAction(bindings, event.key.keysym.sym, action)) ||
        (event.type == SDL_JOYBUTTONDOWN &&
         PressedPadAction(bindings, event.jbutton.button, action)))
        return Press(action, modeChanged);
    return KeepRunning; // held actions are read once a frame, after the events
}

// Handles every pending event; the first quit or failed mode change is kept in `state`. True
// when the video mode changed.
bool TakeEvents(LoopState& state, bool live) {
    SDL_Event event{};
    bool modeChanged = false;
    while (SDL_PollEvent(&event)) {
        LoopState result = HandleEvent(event, live, modeChanged);
        if (state == KeepRunning)
            state = result;
    }
    return modeChanged;
}

// The held actions, as SDL saw the keys at the last event poll.
HeldKeys ReadHeldKeys() {
    int count = 0;
    const Uint8* state = SDL_GetKeyState(&count);
    return HeldActionsOfKeys(KeptSettings().bindings, state, count);
}

// Sleeps until the frame cap lets the next frame start, then waits for the millisecond clock to
// move on (a frame lasts at least until it does) and gives the frame's length.
double MeasureFrame(double& previousTick, FramePace& pace) {
    if (unsigned sleep = MillisecondsToSleep(pace, SDL_GetTicks()))
        SDL_Delay(sleep);
    double tick;
    do
        tick = SDL_GetTicks();
    while (tick == previousTick);
    FrameStarted(pace, tick);
    double elapsed = tick - previousTick;
    previousTick = tick;
    return elapsed;
}

// How long a played demo waits at most between looks at the window's events.
constexpr double EventWaitMilliseconds = 5;

// A played demo keeps the recorded pace: each frame waits until the clock has caught up with
// the recorded time. Where drawing is slower, it falls behind; the steps stay the same. However
// long a recorded frame, the window keeps answering while it waits: a quit ends the wait, and a
// new video mode is drawn at once.
void KeepPace(double startTick, double recordedMilliseconds, LoopState& state) {
    double left;
    while (state == KeepRunning &&
           (left = recordedMilliseconds - (SDL_GetTicks() - startTick)) > 0) {
        SDL_Delay(Uint32(std::min(left, EventWaitMilliseconds)));
        if (TakeEvents(state, false) && state == KeepRunning) {
            RenderFrame();
            SDL_GL_SwapBuffers();
        }
    }
}

// At the end of a chase: the set's best before it, and whether it beat it (then it is kept).
void ShowChaseBest(DemoSession& demo) {
    BestTime best;
    best.known = BestChase(best.milliseconds);
    best.beaten = ChaseEnded(demo, CurrentChase().milliseconds);
    SetChaseBest(best);
}

// A new chase, asked for with R or read from a played demo; its first frame never steps.
void NewChase(DemoSession& demo, FrameClock& clock) {
    StartNewChase(RestartChase(demo, CurrentChase()));
    RestartGhost(BestDemoPath());
    clock = FrameClock{};
}

// Runs frames until a quit is asked for or a played demo ends; the frame that takes the quit is
// still rendered. A played demo gives each frame's length and keys; otherwise they are measured
// and read, and recorded when recording, at no more than `fps` frames a second (0: no cap), and
// at RestingFps while the window is left.
LoopState RunFrameLoop(DemoSession& demo, int fps) {
    LoopState state = KeepRunning;
    double previousTick = SDL_GetTicks();
    const double startTick = previousTick;
    FramePace pace = StartPace(fps, previousTick);
    double played = 0; // milliseconds of the demo frames played so far
    FrameClock clock;
    const bool live = demo.mode != PlayDemo;
    while (state == KeepRunning) {
        TakeEvents(state, live);
        if (TakeAskedNewChase() && demo.mode != PlayDemo)
            NewChase(demo, clock);
        double elapsed;
        HeldKeys keys;
        DemoFrame frame;
        bool restarted = false;
        if (NextDemoFrame(demo, frame, restarted)) {
            if (restarted)
                NewChase(demo, clock);
            elapsed = frame.milliseconds;
            keys.bits = frame.keys;
            played += elapsed;
            KeepPace(startTick, played, state);
        } else if (demo.mode == PlayDemo) {
            return DemoOver;
        } else {
            Rest(pace, WindowIsLeft()); // paused, and its picture still
            elapsed = MeasureFrame(previousTick, pace);
            keys.bits = ReadHeldKeys().bits | ReadGamepad(KeptSettings().bindings).bits;
            keys = PauseWhileLeft(keys);
            RecordFrame(demo, elapsed, keys);
        }
        // The first frame has no earlier frame to time, so it never updates.
        bool updates = FrameUpdates(clock, elapsed);
        if (updates)
            UpdateFrame(keys, elapsed * 0.001);
        if (CountChase(keys, uint32_t(elapsed), updates))
            ShowChaseBest(demo);
        FlyGhost(CurrentChase());
        RenderFrame();
        DrawGhost();
        DrawChase();
        ShowHud(CurrentChase());
        TakeAskedScreenshot();
        SDL_GL_SwapBuffers();
    }
    return state;
}

} // namespace

int RunGame(int argc, char** argv) {
    GameOptions options = ParseOptions(argc, argv);
    if (options.action != PlayGame)
        return AnswerWithoutPlaying(options);
    DemoSession demo = DemoFromOptions(options);
    std::string error; // the folder and a demo to play are checked before any window opens
    const std::string folder = ChooseDataFolder(options.dataFolder, InstalledDataFolder());
    if (folder.empty() && !WorkingCatalogueUsable(error)) {
        WriteLine(error.c_str());
        return 1;
    }
    if (!EnterDataFolder(folder, error) || !PrepareDemo(demo, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    // A recording that meets the file size limit fails its write and says so; the game goes on.
    std::signal(SIGXFSZ, SIG_IGN);
    if (NoDisplayToOpen()) {
        WriteLine("ERROR: no display to show the game window on (DISPLAY is not set)");
        return 1;
    }
    // No parachute: classic SDL's handler for fatal signals closes SDL inside the signal, where
    // it can wait for ever on the GL driver's threads; a crash must end the process.
    // SDL's reasons go to standard error, under the line that says what failed.
    HoldToTheDisplay();
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) == -1) {
        WriteLine("Error initializing SDL");
        std::fprintf(stderr, "starchase: %s\n", SdlReason().c_str());
        return 1;
    }
    OpenGamepad();
    SetWindowIcon();
    std::string reason;
    const Settings settings = StartSettings(options);
    StartMode start = {settings.fullscreen, settings.windowWidth, settings.windowHeight,
                       settings.fps > 0};
    if (!OpenGameWindow(start, error, reason)) {
        SDL_Quit();
        WriteLine(error.c_str());
        if (!reason.empty())
            std::fprintf(stderr, "starchase: %s\n", reason.c_str());
        return 1;
    }
    PublishWindowIcon();
    if (!Initialize(DemoStarSeed(demo))) {
        WriteLine("ERROR during Initialize() Exiting...");
        Shutdown(); // frees what loading made while the GL context is still here
        SDL_Quit();
        return 1;
    }
    if (!StartRecording(demo, error)) {
        Shutdown();
        SDL_Quit();
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    OpenRecords(demo);
    StartGhost(settings.ghost || options.ghost, BestDemoPath());
    StartHud(settings.hud);
    StartChase(settings.hints);
    SetSoundVolume(settings.volume);
    std::vector<std::string> silent;
    if (!OpenSound(!settings.sound, error, silent))
        std::fprintf(stderr, "starchase: %s; playing without sound\n", error.c_str());
    for (const std::string& line : silent)
        std::fprintf(stderr, "starchase: %s\n", line.c_str());
    LoopState end = RunFrameLoop(demo, settings.fps);
    SaveSettings();
    CloseSound();
    bool recorded = EndDemo(demo, CurrentChase());
    CloseRecords();
    StopGhost();
    StopChase();
    StopHud();
    Shutdown();
    SDL_Quit();
    return end == NoVideoMode || !recorded ? 1 : 0;
}

// Every reader turns a lack of memory into its own refusal; this is only the last line of defence.
int main(int argc, char** argv) {
    try {
        return RunGame(argc, argv);
    } catch (const std::bad_alloc&) {
        WriteLine("ERROR: out of memory");
        return 1;
    }
}
