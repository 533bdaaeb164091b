// Recording and playing demos around the frame loop: options, checks, header, frames, end.
#include "DemoSession.h"

#include "LoadShipCatalogue.h"
#include "Options.h"
#include "Replay.h"
#include "ShipCatalogue.h"
#include "World.h"

#include <cstdio>
#include <iostream>

#include <unistd.h>

namespace {

std::string ErrorLine(const DemoSession& session, const std::string& reason) {
    return "starchase: " + session.path + ": " + reason;
}

void WriteNote(const DemoSession& session, const std::string& reason) {
    std::fprintf(stderr, "%s\n", ErrorLine(session, reason).c_str());
}

} // namespace

DemoSession DemoFromOptions(const GameOptions& options) {
    DemoSession session;
    if (!options.recordFile.empty()) {
        session.mode = RecordDemo;
        session.path = options.recordFile;
    } else if (!options.playFile.empty()) {
        session.mode = PlayDemo;
        session.path = options.playFile;
    }
    session.file = session.path;
    char folder[4096];
    if (session.mode != NoDemo && session.path[0] != '/' && getcwd(folder, sizeof folder))
        session.file = std::string(folder) + "/" + session.path;
    return session;
}

bool PrepareDemo(DemoSession& session, std::string& error) {
    std::string reason;
    if (session.mode == RecordDemo && !CanRecordAt(session.file, reason))
        error = ErrorLine(session, reason);
    if (session.mode != PlayDemo)
        return error.empty();
    if (!ReadDemoFile(session.file, session.demo, reason)) {
        error = ErrorLine(session, reason);
        return false;
    }
    if (!session.demo.finished)
        WriteNote(session, UnfinishedDemoNote(session.demo));
    if (!ReadShipTypes(CatalogueFileName, reason)) {
        error =
            ErrorLine(session, std::string(CatalogueFileName) +
                                   " cannot be read to check the recorded ship types: " + reason);
        return false;
    }
    std::string difference = CatalogueDifference(session.demo.shipTypes, shipCatalogue);
    shipCatalogue.Clear();
    if (!difference.empty()) {
        error = ErrorLine(session, std::string(CatalogueFileName) +
                                       " differs from the recording: " + difference);
        return false;
    }
    return true;
}

const RandomSeed* DemoStarSeed(DemoSession& session) {
    if (session.mode == RecordDemo)
        session.demo.starSeed = MakeRandomSeed();
    return session.mode == NoDemo ? nullptr : &session.demo.starSeed;
}

bool StartRecording(DemoSession& session, std::string& error) {
    if (session.mode != RecordDemo)
        return true;
    session.demo.shipTypes = RecordedShipTypes(shipCatalogue);
    std::string reason;
    if (!StartDemoRecording(session.recorder, session.file, reason) ||
        !RecordDemoHeader(session.recorder, session.demo, reason)) {
        error = ErrorLine(session, reason);
        return false;
    }
    session.recording = true;
    return true;
}

void RecordFrame(DemoSession& session, double elapsed, HeldKeys keys) {
    std::string reason;
    if (session.recording && !RecordDemoFrame(session.recorder, elapsed, keys, reason)) {
        session.recording = false;
        WriteNote(session, reason + "; the recording stops here");
    }
}

bool NextDemoFrame(DemoSession& session, DemoFrame& frame) {
    if (session.mode != PlayDemo || session.nextFrame == session.demo.frames.size())
        return false;
    frame = session.demo.frames[session.nextFrame++];
    return true;
}

void EndDemo(DemoSession& session) {
    std::string reason;
    if (session.mode == RecordDemo && session.recording) {
        if (FinishDemoRecording(session.recorder, reason))
            std::cout << DemoLine(SumUpGame(world, session.recorder.frames,
                                            session.recorder.milliseconds))
                      << std::endl;
        else
            WriteNote(session, reason);
    }
    if (session.mode != PlayDemo)
        return;
    const std::vector<DemoFrame>& frames = session.demo.frames;
    if (session.nextFrame < frames.size()) {
        WriteNote(session, "stopped after frame " + std::to_string(session.nextFrame) + " of " +
                               std::to_string(frames.size()));
        return;
    }
    uint64_t milliseconds = 0;
    for (const DemoFrame& frame : frames)
        milliseconds += frame.milliseconds;
    std::cout << DemoLine(SumUpGame(world, frames.size(), milliseconds)) << std::endl;
}
