// SPDX-License-Identifier: MIT
// The player's actions, one row each: the name the settings file spells it by, its default key
// and pad button, its help text and, for an action held rather than pressed, its bit of the
// held-actions record. Key reading, the pad, --help and the manual's key list are made from it.
#pragma once

#include "HeldKeys.h"
#include "KeyLabels.h"
#include "WindowModes.h"

#include <SDL/SDL_keysym.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Percent of full loudness each press of a volume key, and each step of the volume setting in the
// options, changes the volume by; "%d" in an action's help.
constexpr int VolumeStep = 10;

enum class Action : uint8_t {
    Thrust,
    Reverse,
    Left,
    Right,
    Strafe,
    Boost,
    Fire,
    Pause,
    RedLight,
    Display,
    Screenshot,
    Sound,
    VolumeDown,
    VolumeUp,
    FullScreen,
    Window,
    Restart,
    Keys,
    Ghost,
    DemoPause,
    DemoSlower,
    DemoFaster,
    DemoStep,
    DemoStart,
    Options,
    Quit,
    Count
};

// The pad buttons the game reads: one bit each of a pad reading, numbered from 0 as SDL numbers
// them (the settings file and the help count from 1).
constexpr int PadButtonCount = 32;

// What an action may never be left without, by Delete in the options or by the settings file.
enum class MustKeep : uint8_t {
    Nothing,
    Key,         // a key: quitting, so that a game in full screen can always be ended
    KeyOrButton, // a key or a pad button: the options, so that they can always be opened
};

// Where an action answers the player. A held action is always a live game's: in a played demo
// the held actions are the demo's (see InPlayedDemo).
enum class AnswersIn : uint8_t {
    Both,
    LiveGame,   // R's new chase, the options
    PlayedDemo, // the played demo's pause, speeds, step and start
};

// No window size, for a row whose help names none.
inline constexpr WindowSize NoSize = {0, 0};

struct ActionRow {
    Action action;    // its own id: the rows stand in the order of Action
    const char* name; // as the settings file spells it (key.NAME, pad.NAME)
    SDLKey key;       // the default key
    int padButton;    // the default pad button, numbered from 0 as SDL numbers them; -1: none
    uint16_t heldBit; // a held action's HeldAction bit; 0 for one acted on when pressed
    const char* help; // what it does, for --help, the manual and the keys panel; see ActionHelp
    WindowSize size = NoSize; // the window size its help names at "%s"
    // What the display's corner says when it acts, its state at "%s": "Sound %s" gives "Sound
    // off"; nullptr for an action whose effect shows by itself.
    const char* note = nullptr;
    AnswersIn answers = AnswersIn::Both;
    MustKeep mustKeep = MustKeep::Nothing;
};

inline constexpr ActionRow Actions[] = {
    {Action::Thrust, "thrust", SDLK_UP, -1, ActionThrust, "thrust forward"},
    {Action::Reverse, "reverse", SDLK_DOWN, -1, ActionReverse, "thrust backward"},
    {Action::Left, "left", SDLK_LEFT, -1, ActionLeft, "turn left"},
    {Action::Right, "right", SDLK_RIGHT, -1, ActionRight, "turn right"},
    {Action::Strafe, "strafe", SDLK_LALT, 2, ActionStrafe,
     "while held, left and right strafe instead of turning"},
    {Action::Boost, "boost", SDLK_LCTRL, 1, ActionBoost,
     "boost along the direction of travel; left and right only turn"},
    {Action::Fire, "fire", SDLK_SPACE, 0, ActionFire, "fire"},
    {Action::Pause, "pause", SDLK_p, 3, ActionPause, "pause, while held", NoSize, "Paused"},
    {Action::RedLight, "redlight", SDLK_t, -1, ActionRedLight, "a red light, while held"},
    {Action::Display, "display", SDLK_h, -1, 0, "show or hide the heads-up display"},
    {Action::Screenshot, "screenshot", SDLK_F12, -1, 0, "save a screenshot and print its path",
     NoSize, "Screenshot %s"},
    {Action::Sound, "sound", SDLK_m, -1, 0, "sound off, or back on", NoSize, "Sound %s"},
    {Action::VolumeDown, "volumedown", SDLK_MINUS, -1, 0, "sound volume %d% down", NoSize,
     "Volume %s"},
    {Action::VolumeUp, "volumeup", SDLK_EQUALS, -1, 0, "sound volume %d% up", NoSize, "Volume %s"},
    {Action::FullScreen, "fullscreen", SDLK_F1, -1, 0, "%s full screen", FullScreenSize},
    {Action::Window, "window", SDLK_F2, -1, 0, "a %s window", SmallWindowSize},
    {Action::Restart, "restart", SDLK_r, -1, 0, "a new chase: the ships at their starts, new stars",
     NoSize, nullptr, AnswersIn::LiveGame},
    {Action::Keys, "keys", SDLK_TAB, -1, 0, "the keys panel, while held"},
    {Action::Ghost, "ghost", SDLK_g, -1, 0, "show or hide the ghost of the best chase", NoSize,
     "Ghost %s"},
    {Action::DemoPause, "demopause", SDLK_SPACE, -1, 0, "pause a played demo, or play it on",
     NoSize, nullptr, AnswersIn::PlayedDemo},
    {Action::DemoSlower, "demoslower", SDLK_LEFT, -1, 0, "play a demo slower, down to x0.25",
     NoSize, nullptr, AnswersIn::PlayedDemo},
    {Action::DemoFaster, "demofaster", SDLK_RIGHT, -1, 0,
     "play a demo faster: up to x4, then as fast as it replays", NoSize, nullptr,
     AnswersIn::PlayedDemo},
    {Action::DemoStep, "demostep", SDLK_PERIOD, -1, 0, "step a paused demo one recorded frame on",
     NoSize, nullptr, AnswersIn::PlayedDemo},
    {Action::DemoStart, "demostart", SDLK_HOME, -1, 0, "play a demo from the start again", NoSize,
     nullptr, AnswersIn::PlayedDemo},
    {Action::Options, "options", SDLK_o, 7, 0, "the options: settings, keys and the records",
     NoSize, nullptr, AnswersIn::LiveGame, MustKeep::KeyOrButton},
    {Action::Quit, "quit", SDLK_ESCAPE, -1, 0, "quit (closing the window quits too)", NoSize,
     nullptr, AnswersIn::Both, MustKeep::Key},
};
constexpr size_t ActionCount = sizeof Actions / sizeof Actions[0];

inline constexpr const ActionRow& ActionOf(Action action) {
    return Actions[size_t(action)];
}

// Whether the action answers the player in a live game.
constexpr bool InLiveGame(const ActionRow& row) {
    return row.answers != AnswersIn::PlayedDemo;
}

// Whether the action answers the player while a demo plays: the held ones are the demo's, and a
// live game's does nothing there.
constexpr bool InPlayedDemo(const ActionRow& row) {
    return row.heldBit == 0 && row.answers != AnswersIn::LiveGame;
}

// Whether the game answers `a` and `b` alike: in a live game, or in a played demo, both answer.
// Only then can one key or pad button not do both: a played demo's Space pauses it, a live
// game's fires.
constexpr bool AnswerTogether(const ActionRow& a, const ActionRow& b) {
    return (InLiveGame(a) && InLiveGame(b)) || (InPlayedDemo(a) && InPlayedDemo(b));
}

// What the action does, as --help, the manual and the keys panel say it: "a 640x480 window".
std::string ActionHelp(const ActionRow& row);

// What the display's corner says when the action acts, `state` at the row's "%s": "Sound off",
// "Volume 70%", "Paused"; empty for an action without a note.
std::string ActionNote(Action action, const std::string& state);

// The default keys that answer while a demo plays, in the table's order: "H, F12, ... and
// Escape".
std::string PlayedDemoKeysText();

// The key list as the manual's tagged paragraphs (roff), one per action.
std::string KeysManual();

// The same list as the rows of README's key table: "| Up | thrust forward |".
std::string KeysMarkdown();
