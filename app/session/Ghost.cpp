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

// Starts the best demo's run, or says once why there is no ghost: a line on standard error and
// its gist in `whyNot`.
void StartRun(const std::string& bestDemo, std::string& whyNot) {
    ghost.run.reset();
    if (bestDemo.empty()) {
        whyNot = "no best chase kept for these ships yet";
        std::fprintf(stderr, "starchase: no ghost: %s\n", whyNot.c_str());
        ghost.shown = false;
        return;
    }
    auto run = std::make_unique<GhostRun>();
    std::string reason;
    if (!StartGhostRun(*run, bestDemo, reason)) {
        whyNot = "the best chase cannot be played";
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

bool ToggleGhost(const std::string& bestDemo, std::string& whyNot) {
    ghost.shown = !ghost.shown;
    if (!ghost.shown)
        ghost.run.reset();
    else
        StartRun(bestDemo, whyNot);
    return ghost.shown;
}

void RestartGhost(const std::string& bestDemo) {
    std::string whyNot; // at a start or a new chase the line on standard error says it
    if (ghost.shown)
        StartRun(bestDemo, whyNot);
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
