// SPDX-License-Identifier: MIT
// The ghost's run of the best demo, kept only while it is shown.
#include "Ghost.h"

#include "Camera.h"
#include "DrawScene.h"
#include "GhostRun.h"
#include "HudGL.h"
#include "Records.h"

#include <cstdio>
#include <memory>

namespace {

constexpr float GhostOpacity = 0.35f;

// The mark at the window's edge while the ghost is out of view: its length and how far its tip
// stays inside the edge, in pixels, and its opacity.
constexpr float MarkSize = 18, MarkOpacity = 0.7f;
constexpr int MarkInset = 6;

// The recorded frames the ghost reads at most in one frame of the game: a few milliseconds of
// stepping at worst, so that the ghost never lengthens a frame of the live chase; one it has
// fallen behind (a long pause held as many frames) catches up over the next frames.
constexpr size_t GhostFramesPerFrame = 2000;

// How many best demos one start of the ghost tries, each after a keep replaced the one before.
constexpr int DemoTries = 8;

struct Ghost {
    bool shown = false;
    std::unique_ptr<GhostRun> run; // while shown and started
};

Ghost ghost;

// Starts the best demo's run, or says once why there is no ghost: a line on standard error and
// its gist in `whyNot`. A demo that cannot be read is given up only when the records still name
// it: a keep meanwhile names another and removes it.
void StartRun(BestDemoFinder bestDemo, std::string& whyNot) {
    ghost.run.reset();
    auto run = std::make_unique<GhostRun>();
    std::string path = bestDemo(), tried, reason;
    for (int tries = 0; tries < DemoTries && !path.empty() && path != tried; ++tries) {
        if (StartGhostRun(*run, path, reason)) {
            ghost.run = std::move(run);
            return;
        }
        tried = path;
        path = bestDemo();
    }
    ghost.shown = false;
    whyNot = path.empty() ? NoBestChase : "the best chase cannot be played";
    if (path.empty())
        std::fprintf(stderr, "starchase: no ghost: %s\n", whyNot.c_str());
    else
        std::fprintf(stderr, "starchase: no ghost: %s: %s\n", tried.c_str(), reason.c_str());
}

} // namespace

void StartGhost(bool shown, BestDemoFinder bestDemo) {
    ghost.shown = shown;
    RestartGhost(bestDemo);
}

bool ToggleGhost(BestDemoFinder bestDemo, std::string& whyNot) {
    ghost.shown = !ghost.shown;
    if (!ghost.shown)
        ghost.run.reset();
    else
        StartRun(bestDemo, whyNot);
    return ghost.shown;
}

bool GhostShown() {
    return ghost.shown;
}

void RestartGhost(BestDemoFinder bestDemo) {
    std::string whyNot; // at a start or a new chase the line on standard error says it
    if (ghost.shown)
        StartRun(bestDemo, whyNot);
}

void FlyGhost(const ChaseClock& chase) {
    if (!ghost.run)
        return;
    CatchUpGhost(*ghost.run, chase.milliseconds, GhostFramesPerFrame);
    if (!ghost.run->reader && !ghost.run->stopped.empty()) {
        std::fprintf(stderr, "starchase: the ghost stops where it stands: %s\n",
                     ghost.run->stopped.c_str());
        ghost.run->stopped.clear();
    }
}

void DrawGhost() {
    const Ship* ship = ghost.run ? GhostShip(*ghost.run) : nullptr;
    if (!ship)
        return;
    Ship faint = *ship; // where the camera sees it, across the world's wrap too
    faint.position = NearestImage(Vector2(camera.eye.x, camera.eye.y), ship->position);
    DrawFaintShip(faint, GhostOpacity);
    int width, height;
    ViewportSize(width, height);
    EdgeMark mark;
    if (MarkOutOfView(camera, ship->position, width, height, MarkInset, mark))
        DrawEdgeMark(mark, MarkSize, MarkOpacity);
}

void StopGhost() {
    ghost = Ghost{};
}
