// SPDX-License-Identifier: MIT
// The chase's state for the frame loop, and its banner and panel drawn in the display's font.
#include "Chase.h"

#include "Actions.h"
#include "ChaseText.h"
#include "Hud.h"
#include "PlayerSettings.h"
#include "SceneSetUp.h"
#include "World.h"

namespace {

struct Chase {
    ChaseClock clock;
    KeysPanel panel;
    BestTime best;
    std::vector<uint64_t> pace; // the break-ups split against
    std::string against;        // the pace's name in the banner
    size_t chasers = 0;         // at the start of the chase: counted at its first frame
    size_t left = SIZE_MAX;     // after the frame before; SIZE_MAX before the first
    Split last;                 // the last break-up's split
    WindowPresence presence;
    bool live = true; // not a played demo
    bool restartAsked = false;
    bool paused = false; // the last frame's keys held P, or the window was left
    HudBlock banner, keys;
    std::vector<std::string> keysLines; // one line, laid out by the display for the window
};

Chase chase;

// The action's key as the player bound it, with `does`; nothing for an action without a key or
// one that does nothing in this game (live or a played demo).
void AddHint(std::vector<KeyHint>& hints, Action action, const std::string& does) {
    const SDLKey key = SettingsInForce().bindings.keys[size_t(action)];
    const ActionRow& row = ActionOf(action);
    if (key != SDLK_UNKNOWN && (chase.live ? InLiveGame(row) : InPlayedDemo(row)))
        hints.push_back({KeyLabel(key), does});
}

// Every action that answers, with a key and its help, in the table's order.
std::vector<KeyHint> Hints() {
    std::vector<KeyHint> hints;
    for (const ActionRow& row : Actions)
        AddHint(hints, row.action, ActionHelp(row));
    return hints;
}

// What the banner offers once the chase is over.
std::vector<KeyHint> BannerOffers() {
    std::vector<KeyHint> offers;
    AddHint(offers, Action::Restart, "chase again");
    AddHint(offers, Action::Quit, "quit");
    return offers;
}

bool KeysAsked() {
    int count = 0;
    const Uint8* state = SDL_GetKeyState(&count);
    const SDLKey key = SettingsInForce().bindings.keys[size_t(Action::Keys)];
    return key != SDLK_UNKNOWN && key < count && state[key] != 0;
}

} // namespace

void StartChase(bool hints, bool live) {
    chase.panel.atStart = hints;
    chase.live = live;
    const std::string line = HintsLine(Hints());
    chase.keysLines = line.empty() ? std::vector<std::string>{} : std::vector<std::string>{line};
}

void TakeChaseEvent(const SDL_Event& event, bool live) {
    if (event.type == SDL_ACTIVEEVENT && live)
        TakeActiveEvent(chase.presence, event.active.gain != 0, event.active.state);
    if (event.type != SDL_KEYDOWN)
        return;
    PanelKeyPressed(chase.panel);
}

bool WindowIsLeft() {
    return WindowLeft(chase.presence);
}

HeldKeys PauseWhileLeft(HeldKeys keys) {
    if (WindowIsLeft())
        HoldKey(keys, ActionPause);
    return keys;
}

void AskForNewChase() {
    chase.restartAsked = true;
}

bool TakeAskedNewChase() {
    bool asked = chase.restartAsked;
    chase.restartAsked = false;
    return asked;
}

void StartNewChase(const RandomSeed& seed) {
    SetUpChase(&seed); // the catalogue the first chase was set up from is still loaded
    chase.clock = ChaseClock{};
    chase.best = BestTime{};
    chase.left = SIZE_MAX;
    chase.last = Split{};
}

void SetChasePace(const std::vector<uint64_t>& breakUps, const std::string& against) {
    chase.pace = breakUps;
    chase.against = against;
}

bool CountChase(HeldKeys keys, uint32_t milliseconds, bool updated) {
    CountPanelFrame(chase.panel, milliseconds);
    chase.paused = KeyHeld(keys, ActionPause);
    if (chase.left == SIZE_MAX) // the chase's first frame never steps
        chase.chasers = chase.left = ChasersLeft(world);
    const bool ended = CountChaseFrame(chase.clock, updated, keys, milliseconds, world);
    const size_t left = ChasersLeft(world);
    if (left < chase.left && !chase.pace.empty()) {
        chase.last = SplitAt(chase.chasers - left, chase.clock.milliseconds, chase.pace);
        ShowHudSplit(SplitText(chase.last), SideOf(chase.last));
    }
    chase.left = left;
    return ended;
}

void SetChaseBest(const BestTime& best) {
    chase.best = best;
}

const ChaseClock& CurrentChase() {
    return chase.clock;
}

void DrawChase() {
    if (chase.paused)
        HoldHudNote(ActionNote(Action::Pause, ""));
    if (chase.clock.over)
        DrawHudBlock(chase.banner, BannerLines(chase.clock, chase.best, chase.last, chase.against,
                                                 BannerOffers()),
                     HudPlacement{0.5f, 0.4f, 16}, 0.6f);
    if (KeysPanelShown(chase.panel, KeysAsked()))
        DrawHudBlock(chase.keys, chase.keysLines, HudPlacement{0.5f, 0.95f, 12}, 0.5f);
}

void StopChase() {
    FreeHudBlock(chase.banner);
    FreeHudBlock(chase.keys);
    chase = Chase{};
}
