// SPDX-License-Identifier: MIT
// The game's run: its checks before any window, start-up, the frame loop, and one shutdown that
// undoes as much as start-up did.
#include "RunGame.h"

#include "Chase.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "DemoSession.h"
#include "FrameLoop.h"
#include "Gamepad.h"
#include "Ghost.h"
#include "Hud.h"
#include "OptionsPlay.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "SceneSetUp.h"
#include "SettingEffects.h"
#include "Sound.h"
#include "Video.h"
#include "WindowEvents.h"
#include "WindowIcon.h"

#include <SDL/SDL.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// How far start-up came: the shutdown undoes exactly that much.
enum Started { NothingStarted, SdlStarted, WorldLoaded, GameStarted };

// What went wrong, written once everything is shut down: a text-terminal video driver would
// wipe lines written while SDL runs. `out` goes to standard output, `err` to standard error.
struct Failure {
    std::string out, err;
};

// Before SDL starts: the data folder entered, a demo to play or record checked, a display there.
bool CheckBeforeWindow(const CommandLine& commandLine, DemoSession& demo, Failure& failure) {
    const std::string folder = ChooseDataFolder(commandLine.dataFolder, InstalledDataFolder());
    if (folder.empty() && !WorkingCatalogueUsable(failure.out))
        return false;
    if (!EnterDataFolder(folder, failure.err) || !PrepareDemo(demo, failure.err))
        return false;
    if (NoDisplayToOpen())
        failure.out = "ERROR: no display to show the game window on (DISPLAY is not set)";
    return failure.out.empty();
}

// SDL with no parachute: classic SDL's handler for fatal signals closes SDL inside the signal,
// where it can wait for ever on the GL driver's threads; a crash must end the process.
bool StartSdl(Failure& failure) {
    HoldToTheDisplay();
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) == 0) {
        QuitOnHangUp();
        return true;
    }
    failure = {"Error initializing SDL", "starchase: " + SdlReason()};
    return false;
}

// The window, the pad and the world loaded; a recording begun. `windowAskedAt`: where the
// window's size was asked for, for the line saying it could not be opened.
Started StartWorld(const Settings& settings, const std::string& windowAskedAt, DemoSession& demo,
                   Failure& failure) {
    OpenGamepad();
    SetWindowIcon();
    const StartMode start = {settings.fullscreen, settings.windowWidth, settings.windowHeight,
                             settings.fps != 0};
    std::string reason, fallback;
    if (!OpenGameWindow(start, failure.out, reason, fallback)) {
        failure.err = reason.empty() ? "" : "starchase: " + reason;
        return SdlStarted;
    }
    if (!fallback.empty())
        std::fprintf(stderr, "starchase: %s: a window of %dx%d cannot be opened (%s); using %s\n",
                     windowAskedAt.c_str(), start.width, start.height, fallback.c_str(),
                     SizeText(DefaultWindowSize).c_str());
    PublishWindowIcon();
    if (!SetUpScene(DemoStarSeed(demo))) {
        failure = {"ERROR during Initialize() Exiting...", NoShipsHint()};
        return WorldLoaded; // frees what loading made while the GL context is still here
    }
    return StartRecording(demo, failure.err) ? GameStarted : WorldLoaded;
}

// Everything around the world that the frame loop uses, and the settings in force applied.
void StartPlay(const Settings& settings, DemoSession& demo) {
    OpenRecords(demo.mode != PlayDemo, demo.demo.starSeed);
    StartHud(false);
    StartChase(settings.hints, demo.mode != PlayDemo);
    std::string note;
    std::vector<std::string> silent;
    if (!OpenSound(!settings.sound, note, silent))
        std::fprintf(stderr, "starchase: %s; playing without sound\n", note.c_str());
    for (const std::string& line : silent)
        std::fprintf(stderr, "starchase: %s\n", line.c_str());
    ApplyStartSettings(settings);
}

// Undoes what start-up did, in reverse. False when the recording could not be ended whole.
bool StopGame(Started started, DemoSession& demo) {
    bool recorded = true;
    if (started == GameStarted) {
        SaveSettings();
        CloseSound();
        recorded = EndDemo(demo, CurrentChase());
        CloseRecords();
        StopGhost();
        StopChase();
        StopOptions();
        StopHud();
    }
    if (started >= WorldLoaded)
        TearDownScene();
    if (started >= SdlStarted)
        SDL_Quit();
    return recorded;
}

void WriteFailure(const Failure& failure) {
    if (!failure.out.empty())
        std::printf("%s\n", failure.out.c_str());
    std::fflush(stdout);
    if (!failure.err.empty())
        std::fprintf(stderr, "%s\n", failure.err.c_str());
}

} // namespace

int RunGame(int argc, char** argv) {
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (commandLine.action == PrintHelp) // the keys in force: SDL names them, with no window
        return AnswerHelp(commandLine);
    if (commandLine.action != PlayGame)
        return AnswerWithoutPlaying(commandLine);
    DemoSession demo = DemoFromCommandLine(commandLine);
    Failure failure;
    Started started = NothingStarted;
    bool played = false;
    // A recording that meets the file size limit fails its write and says so; the game goes on.
    std::signal(SIGXFSZ, SIG_IGN);
    if (CheckBeforeWindow(commandLine, demo, failure) && StartSdl(failure)) {
        const Settings settings =
            WithCommandLine(StartSettings(!commandLine.noSettings), commandLine);
        const std::string windowAskedAt = SetsWindow(commandLine) ? "--window" : WindowAskedAt();
        started = StartWorld(settings, windowAskedAt, demo, failure);
        if (started == GameStarted) {
            StartPlay(settings, demo);
            played = RunFrameLoop(demo) != NoVideoMode;
        }
    }
    const bool recorded = StopGame(started, demo);
    WriteFailure(failure);
    return played && recorded ? 0 : 1;
}
