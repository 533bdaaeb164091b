// SPDX-License-Identifier: MIT
// The ghost's demo proved in a child, its run kept while it is shown, and the pace it sets.
#include "Ghost.h"

#include "Camera.h"
#include "Chase.h"
#include "ChildVerdict.h"
#include "DrawScene.h"
#include "GhostRun.h"
#include "Hud.h"
#include "HudGL.h"
#include "LoadShipCatalogue.h"
#include "PlayerFolders.h"
#include "RecordProof.h"
#include "Records.h"
#include "SettingsText.h"

#include <cstdio>
#include <memory>

namespace {

constexpr float GhostOpacity = 0.35f;

// The mark at the window's edge while the ghost is out of view, a slender grey head, and how far
// its tip stays inside the edge, in pixels.
constexpr EdgeMarkLook GhostMark = {18, 12, {1, 1, 1, 0.7f}};
constexpr int MarkInset = 6;

// The recorded frames the ghost reads at most in one frame of the game: a few milliseconds of
// stepping at worst, so that the ghost never lengthens a frame of the live chase; one it has
// fallen behind (a long pause held as many frames) catches up over the next frames.
constexpr size_t GhostFramesPerFrame = 2000;

struct Ghost {
    std::string choice = GhostOff;
    std::string raced = GhostBest; // the last choice that raced one, for the ghost action
    std::string path;    // the demo proved, or under proof: the ghost's, or the best's for the pace
    bool proved = false; // `path` was proved
    GhostProof proof;    // proved: its chase
    ChildVerdict child;  // while a proof is under way
    std::unique_ptr<GhostRun> run; // while shown and started
};

Ghost ghost;

bool Raced() {
    return ghost.choice != GhostOff;
}

void Refuse(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "starchase: no ghost: %s: %s\n", path.c_str(), why.c_str());
    ShowHudNote("No ghost: " + why);
}

// Starts the proved demo's run at the chase's time: its header alone is read here.
void StartRun(const ChaseClock& chase) {
    ghost.run.reset();
    auto run = std::make_unique<GhostRun>();
    std::string reason;
    if (!StartGhostRun(*run, ghost.path, reason)) {
        Refuse(ghost.path, reason); // changed on disk since its proof
        return;
    }
    CatchUpGhost(*run, chase.milliseconds, GhostFramesPerFrame);
    ghost.run = std::move(run);
}

// Proves the demo at `path` in a child, unless it is the one proved or under proof already.
void Prove(const std::string& path) {
    if (path == ghost.path && (ghost.proved || ghost.child.child > 0))
        return;
    StopChildVerdict(ghost.child);
    ghost.path = path;
    ghost.proved = false;
    ghost.run.reset();
    SetChasePace({}, "");
    if (path.empty())
        return;
    // The replay empties the world and the catalogue: the child's own.
    auto prove = [path](std::string& said) {
        const GhostProof proof = ProveGhostDemo(path, CatalogueFileName);
        said = proof.proved ? GhostProofText(proof) : proof.why;
        return proof.proved;
    };
    std::string why;
    if (!StartChildVerdict(ghost.child, prove, why))
        Refuse(path, why);
}

} // namespace

std::string GhostDemoPath(const std::string& choice) {
    if (choice == GhostOff)
        return "";
    if (choice == GhostBest)
        return BestDemoPath();
    if (choice.find('/') != std::string::npos)
        return choice;
    return PlayerDataFolder() + "/" + GhostsFolderName + "/" + choice;
}

std::string GhostToRace() {
    return ghost.raced;
}

bool ChooseGhost(const std::string& choice, std::string& whyNot) {
    ghost.choice = choice;
    const std::string path = GhostDemoPath(Raced() ? choice : GhostBest);
    if (Raced() && path.empty()) {
        whyNot = NoBestChase;
        std::fprintf(stderr, "starchase: no ghost: %s\n", whyNot.c_str());
        ghost.choice = GhostOff;
    }
    if (Raced())
        ghost.raced = choice;
    Prove(path);
    if (!Raced())
        ghost.run.reset();
    if (ghost.proved)
        SetChasePace(ghost.proof.breakUps, Raced() ? "the ghost" : "the best chase");
    if (ghost.proved && Raced() && !ghost.run)
        StartRun(CurrentChase());
    return whyNot.empty();
}

void TakeGhostProof(const ChaseClock& chase) {
    bool yes = false;
    std::string said, reason;
    if (!TakeChildVerdict(ghost.child, yes, said))
        return;
    if (yes && !ReadGhostProofText(said, ghost.proof, reason))
        said = "the proof's answer cannot be read: " + reason;
    ghost.proved = yes && reason.empty();
    if (!ghost.proved) {
        if (Raced())
            Refuse(ghost.path, said);
        else // the best chase gives no pace: no ghost was asked for
            std::fprintf(stderr, "starchase: no splits: %s: %s\n", ghost.path.c_str(), said.c_str());
        return;
    }
    SetChasePace(ghost.proof.breakUps, Raced() ? "the ghost" : "the best chase");
    if (Raced())
        StartRun(chase);
}

bool GhostShown() {
    return Raced() && !ghost.path.empty();
}

void RestartGhost() {
    if (ghost.choice == GhostBest || !Raced()) {
        const std::string path = BestDemoPath();
        if (path != ghost.path && !path.empty())
            Prove(path);
    }
    if (Raced() && ghost.proved)
        StartRun(ChaseClock{});
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
        DrawEdgeMark(mark, GhostMark);
}

void StopGhost() {
    StopChildVerdict(ghost.child);
    ghost = Ghost{};
    ghost.raced = GhostBest;
}
