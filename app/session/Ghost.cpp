// SPDX-License-Identifier: MIT
// The ghost's run of the best demo, kept only while it is shown.
#include "Ghost.h"

#include "DrawScene.h"
#include "GhostRun.h"

#include <cstdio>
#include <memory>

namespace {

constexpr float GhostOpacity = 0.35f;

struct Ghost {
    bool shown = false;
    std::unique_ptr<GhostRun> run; // while shown and started
};

Ghost ghost;

// Starts the best demo's run, or says once why there is no ghost.
void StartRun(const std::string& bestDemo) {
    ghost.run.reset();
    if (bestDemo.empty()) {
        std::fprintf(stderr, "starchase: no ghost: no best chase kept for these ships yet\n");
        ghost.shown = false;
        return;
    }
    auto run = std::make_unique<GhostRun>();
    std::string reason;
    if (!StartGhostRun(*run, bestDemo, reason)) {
        std::fprintf(stderr, "starchase: no ghost: %s: %s\n", bestDemo.c_str(), reason.c_str());
        ghost.shown = false;
        return;
    }
    ghost.run = std::move(run);
}

} // namespace

void StartGhost(bool shown, const std::string& bestDemo) {
    ghost.shown = shown;
    RestartGhost(bestDemo);
}

void ToggleGhost(const std::string& bestDemo) {
    ghost.shown = !ghost.shown;
    if (!ghost.shown)
        ghost.run.reset();
    else
        StartRun(bestDemo);
}

bool GhostShown() {
    return ghost.shown;
}

void RestartGhost(const std::string& bestDemo) {
    if (ghost.shown)
        StartRun(bestDemo);
}

void FlyGhost(const ChaseClock& chase) {
    if (ghost.run)
        CatchUpGhost(*ghost.run, chase.milliseconds);
}

void DrawGhost() {
    if (!ghost.run)
        return;
    if (const Ship* ship = GhostShip(*ghost.run))
        DrawFaintShip(*ship, GhostOpacity);
}

void StopGhost() {
    ghost = Ghost{};
}
