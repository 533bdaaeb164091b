// SPDX-License-Identifier: MIT
// A recorded chase stepped frame by frame up to a given chase time.
#include "GhostRun.h"

#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "Step.h"

bool StartGhostRun(GhostRun& run, const std::string& path, std::string& reason) {
    EmptyWorld(run.world);
    run.reader = std::make_unique<DemoReader>();
    run.frames = FrameClock{};
    run.chase = ChaseClock{};
    run.paused = PausedFrames{};
    run.stopped.clear();
    bool started = OpenDemoStart(path, *run.reader, reason);
    if (started) {
        reason = CatalogueDifference(run.reader->demo.shipTypes, shipCatalogue);
        started = reason.empty();
        if (!started)
            reason = "recorded with other ships: " + reason;
    }
    // The types were just checked, so set-up finds them all.
    if (started && !SetUpWorld(&run.reader->demo.starSeed, run.world))
        started = false;
    if (!started) {
        run.reader.reset();
        EmptyWorld(run.world);
    }
    return started;
}

void CatchUpGhost(GhostRun& run, uint64_t milliseconds, size_t mostFrames) {
    StepEvents events; // a ghost is neither seen firing nor heard
    DemoFrame frame;
    for (size_t read = 0; read < mostFrames && run.reader && !run.chase.over &&
                          run.chase.milliseconds < milliseconds;
         ++read) {
        // A restart begins another chase: the ghost flies the first one only.
        if (!ReadDemoFrame(*run.reader, frame, run.stopped) || run.reader->restarted ||
            !CountPausedFrame(run.paused, frame, run.stopped)) {
            run.reader.reset();
            break;
        }
        // The frame loop's arithmetic: whole milliseconds held in a double, times 0.001.
        double elapsed = frame.milliseconds;
        HeldKeys keys{frame.keys};
        bool updated = FrameUpdates(run.frames, elapsed);
        if (updated) {
            events.list.clear();
            AdvanceWorld(run.world, keys, elapsed * 0.001, events);
        }
        CountChaseFrame(run.chase, updated, keys, elapsed, run.world);
    }
}

const Ship* GhostShip(const GhostRun& run) {
    return run.world.ships.empty() ? nullptr : &run.world.ships.front();
}
