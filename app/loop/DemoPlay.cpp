// SPDX-License-Identifier: MIT
// The played demo's pace, its frame read ahead and what the player asks of it.
#include "DemoPlay.h"

#include "DemoSession.h"
#include "PlayPace.h"

#include <SDL/SDL.h>

namespace {

struct DemoPlay {
    PlayPace pace;
    uint64_t played = 0; // the demo's milliseconds stepped since the start
    size_t frames = 0;   // and its frames
    bool ahead = false;  // a frame is read and not yet handed out
    DemoFrame next;
    bool nextRestarts = false;
    bool startAsked = false;
};

DemoPlay play;

} // namespace

void StartDemoPlay() {
    play = DemoPlay{};
    play.pace = StartPlayPace(SDL_GetTicks());
}

void PressDemoAction(Action action) {
    const double tick = SDL_GetTicks();
    const double played = double(play.played);
    switch (action) {
    case Action::DemoPause:
        PauseOrPlayOn(play.pace, tick, played);
        break;
    case Action::DemoSlower:
    case Action::DemoFaster:
        ChangeSpeed(play.pace, action == Action::DemoFaster, tick, played);
        break;
    case Action::DemoStep:
        AskForStep(play.pace);
        break;
    case Action::DemoStart:
        play.startAsked = true;
        break;
    default:
        break;
    }
}

bool TakeAskedDemoStart() {
    const bool asked = play.startAsked;
    play.startAsked = false;
    return asked;
}

void DemoPlayFromStart() {
    play.played = 0;
    play.frames = 0;
    play.ahead = false;
    HoldPaceFrom(play.pace, SDL_GetTicks(), 0);
}

bool NextDueFrame(DemoSession& session, DemoFrame& frame, bool& restarted, bool& ended) {
    ended = false;
    if (!play.ahead && !NextDemoFrame(session, play.next, play.nextRestarts)) {
        ended = true;
        return false;
    }
    play.ahead = true;
    if (!FrameDue(play.pace, SDL_GetTicks(), double(play.played), play.next.milliseconds))
        return false;
    frame = play.next;
    restarted = play.nextRestarts;
    play.ahead = false;
    play.played += frame.milliseconds;
    ++play.frames;
    FrameStepped(play.pace);
    return true;
}

void DemoPlayBehind() {
    HoldPaceFrom(play.pace, SDL_GetTicks(), double(play.played));
}

double MillisecondsToNextFrame() {
    if (!play.ahead)
        return 0;
    return MillisecondsUntilDue(play.pace, SDL_GetTicks(), double(play.played),
                                play.next.milliseconds);
}

std::string DemoPlayLine(const DemoSession& session) {
    const Demo& demo = session.player->demo;
    return PlayedDemoLine(play.pace, play.played, demo.milliseconds, play.frames, demo.frameCount);
}
