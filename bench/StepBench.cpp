// SPDX-License-Identifier: MIT
// Time per simulation step: the default 13 ships (and more) against 100 to 10000 projectiles.
#include "DefaultCatalogue.h"
#include "ShipCatalogue.h"
#include "Step.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

constexpr float FrameSeconds = 1.0f / 60;
// Restored before the shots (5 seconds of life left) can expire or a chaser can reach them.
constexpr int StepsBetweenRestores = 240;

Ship Chaser(const char* type, float x, float y) {
    Ship s = MakeShip(*shipCatalogue.Find(type), x, y, true);
    s.reloadTimer = 1e9f; // a constant number of shots: nobody fires while timed
    return s;
}

// The opening scene's ships (more chasers beyond 13, further out), and straight shots in mid
// flight scattered over a ring that the chasers round the player do not reach: every shot pays
// the full scan of the ships.
World Scene(int shipCount, int shotCount) {
    LoadDefaultCatalogue();
    World w;
    w.ships.push_back(MakeShip(*shipCatalogue.Find("brightfin"), 0, 0, false));
    for (int x = -25; x <= 65; x += 10)
        w.ships.push_back(Chaser("Quessal", float(x), -5));
    w.ships.push_back(Chaser("Maradyne", -30, 0));
    w.ships.push_back(Chaser("Umbrek", 30, 30));
    for (int i = int(w.ships.size()); i < shipCount; ++i)
        w.ships.push_back(Chaser("Umbrek", 2.0f * i - 60, 40));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> angle(0, 6.2831853f), radius(250, 450);
    for (int i = 0; i < shotCount; ++i) {
        Projectile q;
        float a = angle(random), r = radius(random);
        q.position = Vector2(r * std::cos(a), r * std::sin(a));
        q.velocity = Vector2(std::cos(a), std::sin(a)) * 5.0f;
        q.lifeLeft = 5;
        w.projectiles.push_back(q);
    }
    return w;
}

void StepWorldBench(benchmark::State& state) {
    const World start = Scene(int(state.range(0)), int(state.range(1)));
    World w = start;
    StepEvents events; // cleared every step, as the game does each frame
    int steps = 0;
    size_t shotsLost = 0;
    for (auto _ : state) {
        if (++steps == StepsBetweenRestores) {
            state.PauseTiming();
            shotsLost += start.projectiles.size() - w.projectiles.size();
            w = start;
            steps = 0;
            state.ResumeTiming();
        }
        events.list.clear();
        StepWorld(w, HeldKeys(), FrameSeconds, events);
        benchmark::DoNotOptimize(w.ships.data());
    }
    state.counters["ships"] = double(start.ships.size());
    state.counters["shots"] = double(start.projectiles.size());
    state.counters["shotsLost"] = double(shotsLost); // hits or expiry would skew the figure
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(StepWorldBench)
    ->ArgNames({"ships", "shots"})
    ->ArgsProduct({{13}, {100, 1000, 10000}})
    ->ArgsProduct({{26, 52}, {1000}})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
