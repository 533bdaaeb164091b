// SPDX-License-Identifier: MIT
// Replaying a 10-minute game with no window, as shipyard replay does, against the game's own
// clock. The recording is made here, by a pilot who wanders and fires while the twelve chasers
// stay in the game, chase and fire throughout: the step does its full work in every frame.
// Usage: replay_bench [benchmark flags]   or   replay_bench --write FILE (the recording only)
#include "DefaultCatalogue.h"
#include "DemoFile.h"
#include "Replay.h"
#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "Step.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

constexpr uint64_t GameMilliseconds = 10 * 60 * 1000;

// Stretches of 0.1 to 1 s of random flying keys, the trigger held half of the time; frames of
// 2 to 12 ms, as the game measures them on a machine drawing 80 to 500 frames a second.
bool RecordPilot(const std::string& path, std::string& reason) {
    LoadDefaultCatalogue();
    Demo header;
    std::mt19937 random(2024);
    for (uint32_t& word : header.starSeed.words)
        word = random();
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    world = World();
    if (!SetUpWorld(&header.starSeed))
        return false;
    DemoRecorder recorder;
    if (!StartDemoRecording(recorder, path, reason) || !RecordDemoHeader(recorder, header, reason))
        return false;
    const HeldAction flying[] = {ActionThrust, ActionReverse, ActionLeft,
                                 ActionRight,  ActionStrafe,  ActionBoost};
    FrameClock clock;
    HeldKeys keys;
    StepEvents events;
    uint32_t stretchLeft = 0;
    while (recorder.milliseconds < GameMilliseconds) {
        uint32_t elapsed = 2 + random() % 11;
        if (stretchLeft <= elapsed) {
            keys = HeldKeys();
            for (HeldAction key : flying)
                HoldKey(keys, key, random() % 3 == 0);
            HoldKey(keys, ActionFire, random() % 2 == 0);
            stretchLeft = 100 + random() % 900;
        }
        stretchLeft -= elapsed;
        if (!RecordDemoFrame(recorder, elapsed, keys, reason))
            return false;
        events.list.clear();
        if (FrameUpdates(clock, elapsed))
            AdvanceWorld(world, keys, elapsed * 0.001, events);
    }
    std::printf("recorded %s\n",
                DemoLine(SumUpGame(world, recorder.frames, recorder.milliseconds, ChaseClock()))
                    .c_str());
    world = World();
    return FinishDemoRecording(recorder, reason);
}

std::string demoPath;

// What shipyard replay does once it has read the catalogue: read the file, set up, replay.
void ReplayTenMinutes(benchmark::State& state) {
    std::vector<DemoResult> chases;
    for (auto _ : state) {
        DemoReader reader;
        std::string reason;
        world = World();
        if (!OpenDemo(demoPath, reader, reason) || !ReplayDemo(reader, chases, reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
    }
    world = World();
    const DemoResult& result = chases.back();
    state.counters["frames"] = double(result.frames);
    state.counters["chasersLeft"] = double(result.chasersLeft);
    // Seconds of game replayed per second of the clock.
    state.counters["timesRealTime"] = benchmark::Counter(
        double(GameMilliseconds) / 1000 * double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(ReplayTenMinutes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    std::string reason;
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        if (RecordPilot(argv[2], reason))
            return 0;
        std::fprintf(stderr, "replay_bench: %s: %s\n", argv[2], reason.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    demoPath =
        std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/replay_bench.demo";
    if (!RecordPilot(demoPath, reason)) {
        std::fprintf(stderr, "replay_bench: %s: %s\n", demoPath.c_str(), reason.c_str());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    std::remove(demoPath.c_str());
    return 0;
}
