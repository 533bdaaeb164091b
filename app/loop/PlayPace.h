// SPDX-License-Identifier: MIT
// A played demo's pace as the player sets it: a speed from a quarter of the recorded one to four
// times it, or as fast as the frames replay; paused, with one recorded frame at a time. The frames
// are the recorded ones whatever the pace: it only says when each is due. Times are milliseconds,
// the wall clock's (SDL's tick) and the demo's (its recorded frames added up). Pure: the loop
// reads the clock, steps the frames due and sleeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The speeds, slowest first, as multiples of the recorded one; 0: as fast as the frames replay.
inline constexpr double PlaySpeeds[] = {0.25, 0.5, 1, 2, 4, 0};
constexpr size_t PlaySpeedCount = sizeof PlaySpeeds / sizeof PlaySpeeds[0];
constexpr size_t RecordedSpeed = 2; // x1

struct PlayPace {
    size_t speed = RecordedSpeed; // of PlaySpeeds
    bool paused = false;
    unsigned steps = 0;    // recorded frames asked for one at a time while paused, not yet stepped
    double tickFrom = 0;   // the wall tick the pace has held since
    double playedFrom = 0; // the demo's milliseconds played then
};

// At the recorded speed from `tick`, nothing played.
PlayPace StartPlayPace(double tick);

// The pace from wall `tick` on, `played` milliseconds of the demo played then: after a change,
// from the start again, or where the loop fell behind the pace and drops what it owes.
void HoldPaceFrom(PlayPace& pace, double tick, double played);

// The player's pause, or play on, at `tick` with `played` played.
void PauseOrPlayOn(PlayPace& pace, double tick, double played);

// One speed faster or slower, staying at either end.
void ChangeSpeed(PlayPace& pace, bool faster, double tick, double played);

// One recorded frame on, asked for while paused; nothing otherwise.
void AskForStep(PlayPace& pace);

// Whether the recorded frame of `length` milliseconds that follows `played` is due at `tick`:
// once the wall time since the pace was set, at its speed, covers it; at once as fast as it
// replays; while paused, when a step was asked for.
bool FrameDue(const PlayPace& pace, double tick, double played, uint32_t length);

// A frame was stepped: a step asked for is taken.
void FrameStepped(PlayPace& pace);

// The wall milliseconds from `tick` until that frame is due: 0 when it is, a very large number
// while paused with no step asked for.
double MillisecondsUntilDue(const PlayPace& pace, double tick, double played, uint32_t length);

// What the display's corner says of the playback: "Demo x0.25, 12.3 s of 55.0 s, frame 308 of
// 1376"; "Demo x1, paused, ..."; "Demo as fast as it replays, ...".
std::string PlayedDemoLine(const PlayPace& pace, uint64_t played, uint64_t total, size_t frame,
                           size_t frames);
