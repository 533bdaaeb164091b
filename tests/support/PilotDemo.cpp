// SPDX-License-Identifier: MIT
// Writes the pilot's demo: a scripted pilot flies the default ships, with no window, until the
// last chaser breaks up, then idles a few seconds so that a played demo shows the end. Usage:
// pilot_demo FILE.demo. Prints the chase's game time.
#include "ChaseClock.h"
#include "DefaultCatalogue.h"
#include "DemoFile.h"
#include "Replay.h"
#include "SetUpWorld.h"
#include "Steering.h"
#include "Step.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr uint32_t FrameMilliseconds = 40;
constexpr int IdleFrames = 150; // 6 s after the end
// Found by trying: of the pairs tried, these downed the twelve soonest.
constexpr float PilotKeepOff = 12;      // world units from the player's ship
constexpr float PilotThrustWithin = 15; // world units
constexpr int MostFrames = 25 * 60 * 5; // five minutes: a pilot that never ends the chase fails

// Leads the nearest chaser that a shot can hit (one too close to the player's ship cannot be),
// firing all the time and thrusting away while the pack is close.
HeldKeys Pilot(const World& w) {
    HeldKeys keys;
    HoldKey(keys, ActionFire);
    const Ship& player = w.ships[0];
    const Ship* target = nullptr;
    float nearest = 0;
    for (const Ship& ship : w.ships) {
        float distance = Length(ship.position - player.position);
        if (ship.computerControlled && distance > PilotKeepOff && (!target || distance < nearest)) {
            target = &ship;
            nearest = distance;
        }
    }
    if (!target)
        return keys;
    Vector2 aim = InterceptVelocity(100, player.position, target->position,
                                    target->velocity - player.velocity);
    // Heading h faces (cos, -sin), so the heading toward (dx, dy) is atan2(-dy, dx).
    double wanted = std::atan2(-double(aim.y), double(aim.x)) * 180 / M_PI;
    double error = std::remainder(wanted - player.heading, 360.0);
    HoldKey(keys, ActionRight, error > 1);
    HoldKey(keys, ActionLeft, error < -1);
    HoldKey(keys, ActionThrust, nearest < PilotThrustWithin);
    return keys;
}

int Fail(const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "pilot_demo: %s: %s\n", path.c_str(), reason.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pilot_demo FILE.demo\n");
        return 2;
    }
    const std::string path = argv[1];
    LoadDefaultCatalogue();
    Demo header;
    for (int i = 0; i < RandomStateWords; ++i) // fixed stars: the same file on every run
        header.starSeed.words[i] = uint32_t(i) * 2654435761u;
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    if (!SetUpWorld(&header.starSeed))
        return 1;
    DemoRecorder recorder;
    std::string reason;
    if (!StartDemoRecording(recorder, path, reason) || !RecordDemoHeader(recorder, header, reason))
        return Fail(path, reason);
    FrameClock frames;
    ChaseClock chase;
    StepEvents events;
    int idle = 0;
    for (int i = 0; i < MostFrames && idle < IdleFrames; ++i) {
        HeldKeys keys = chase.over ? HeldKeys() : Pilot(world);
        idle += chase.over;
        if (!RecordDemoFrame(recorder, FrameMilliseconds, keys, reason))
            return Fail(path, reason);
        events.list.clear();
        bool updated = FrameUpdates(frames, FrameMilliseconds);
        if (updated)
            AdvanceWorld(world, keys, FrameMilliseconds * 0.001, events);
        CountChaseFrame(chase, updated, keys, FrameMilliseconds, world);
    }
    if (!FinishDemoRecording(recorder, reason))
        return Fail(path, reason);
    if (!chase.over)
        return Fail(path, "the pilot did not down every chaser");
    std::printf("%s: %zu frames, the chase over in %llu ms\n", path.c_str(), recorder.frames,
                (unsigned long long)chase.milliseconds);
    return 0;
}
