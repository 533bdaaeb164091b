// SPDX-License-Identifier: MIT
// Cutting a best chase out of a demo, proving it and flying its ghost, under libFuzzer: each chase
// of a demo that replays, cut out alone (its pauses held as one frame), replays to the same chase
// time, end, world and game time as in the whole demo; the proof's walk of the cut chase ends at
// that time; and the ghost of the whole demo, read a few frames a call, stands where the first
// chase ended.
#include "FuzzCheck.h"
#include "FuzzScratchFile.h"
#include "GhostRun.h"
#include "ReplayFile.h"
#include "ShipCatalogue.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Frames beyond these are not read: a replay steps every frame, so an input of megabytes would
// take seconds; a few thousand frames reach every case of the cut.
constexpr size_t MostInputBytes = 24 * 1024;

const std::string WholePath = ScratchPathFor("chase_cut", ".demo");
const std::string CutPath = ScratchPathFor("chase_cut", ".cut.demo");

// The demo at `path` replayed whole in a fresh world, its catalogue its recorded types.
bool ReplayWhole(const std::string& path, std::vector<DemoResult>& chases) {
    world = World();
    shipCatalogue.Clear();
    std::string note, reason;
    return ReplayDemoFile(path, "", chases, note, reason);
}

bool SameChase(const DemoResult& a, const DemoResult& b) {
    return a.milliseconds == b.milliseconds && a.chasersLeft == b.chasersLeft && a.hash == b.hash &&
           a.chase.milliseconds == b.chase.milliseconds && a.chase.over == b.chase.over;
}

// Chase `index` cut out of the whole demo up to `frames` frames; false when the cut is refused.
bool Cut(size_t index, size_t frames, std::vector<unsigned char>& bytes) {
    std::string reason;
    if (!CutChaseDemo(WholePath, index, frames, bytes, reason))
        return false;
    Require(WriteScratch(CutPath, bytes.data(), bytes.size()));
    return true;
}

// Each chase cut out whole replays as it did in the whole demo, in no more bytes than it took
// there; an ended chase cut at its end frame is what the proof walks and the ghost stops at.
void CheckCuts(const std::vector<DemoResult>& chases, std::vector<DemoResult>& firstToItsEnd) {
    std::vector<unsigned char> bytes;
    for (size_t c = 0; c < chases.size(); ++c) {
        if (!Cut(c, chases[c].frames, bytes)) {
            Require(chases[c].frames == 0);
            continue;
        }
        std::vector<DemoResult> alone;
        Require(ReplayWhole(CutPath, alone) && alone.size() == 1 && SameChase(alone[0], chases[c]));
        Require(alone[0].frames <= chases[c].frames);
        if (c == 0 && chases[0].chase.over) {
            Require(Cut(0, chases[0].endFrame, bytes) && ReplayWhole(CutPath, firstToItsEnd));
            Require(firstToItsEnd.size() == 1 &&
                    firstToItsEnd[0].chase.milliseconds == chases[0].chase.milliseconds);
        }
    }
}

// The proof's walk of the cut chase ends it in exactly its time.
void CheckProof(const DemoResult& first) {
    world = World();
    shipCatalogue.Clear();
    DemoResult walked;
    std::string reason;
    Require(ReplayChaseFile(CutPath, "", first.chase.milliseconds, walked, reason));
    Require(walked.chase.over && walked.chase.milliseconds == first.chase.milliseconds &&
            walked.hash == first.hash);
}

// The ghost of the whole demo, `share` frames a call, catches up with its first chase: where it
// ended, or where its frames ran out.
void CheckGhost(const DemoResult& first, const std::vector<DemoResult>& firstToItsEnd,
                size_t share) {
    GhostRun run;
    std::string reason;
    Require(StartGhostRun(run, WholePath, reason));
    size_t calls = 0;
    while (run.reader && !run.chase.over) {
        CatchUpGhost(run, UINT64_MAX, share);
        Require(++calls <= first.frames / share + 2);
    }
    Require(run.stopped.empty() && run.chase.milliseconds == first.chase.milliseconds);
    const uint64_t where = first.chase.over ? firstToItsEnd[0].hash : first.hash;
    Require(WorldHash(run.world) == where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Require(WriteScratch(WholePath, data, std::min(size, MostInputBytes)));
    std::vector<DemoResult> chases, firstToItsEnd;
    if (!ReplayWhole(WholePath, chases)) {
        std::vector<unsigned char> bytes;
        Cut(size % 3, size % 1000, bytes); // refused or not, never a fault
        return 0;
    }
    CheckCuts(chases, firstToItsEnd);
    if (chases[0].chase.over)
        CheckProof(firstToItsEnd[0]);
    // The catalogue holds the recorded types after the replay: the ghost is checked against them.
    CheckGhost(chases[0], firstToItsEnd, 1 + size % 5);
    world = World();
    shipCatalogue.Clear();
    return 0;
}
