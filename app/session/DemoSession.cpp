// SPDX-License-Identifier: MIT
// Recording and playing demos around the frame loop: the command line, checks, header, frames, end.
#include "DemoSession.h"

#include "CommandLine.h"
#include "LoadShipCatalogue.h"
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

void WriteChaseLine(const DemoSession& session, const ChaseClock& chase) {
    std::cout << DemoLine(SumUpGame(world, session.chaseFrames, session.chaseMilliseconds, chase))
              << std::endl;
}

} // namespace

DemoSession DemoFromCommandLine(const CommandLine& commandLine) {
    DemoSession session;
    if (!commandLine.recordFile.empty()) {
        session.mode = RecordDemo;
        session.path = commandLine.recordFile;
    } else if (!commandLine.playFile.empty()) {
        session.mode = PlayDemo;
        session.path = commandLine.playFile;
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
    session.player = std::make_unique<DemoReader>();
    const Demo& demo = session.player->demo;
    if (!OpenDemo(session.file, *session.player, reason)) {
        error = ErrorLine(session, reason);
        return false;
    }
    if (!demo.finished)
        WriteNote(session, UnfinishedDemoNote(demo));
    if (!ReadShipTypes(CatalogueFileName, reason)) {
        error =
            ErrorLine(session, std::string(CatalogueFileName) +
                                   " cannot be read to check the recorded ship types: " + reason);
        return false;
    }
    std::string difference = CatalogueDifference(demo.shipTypes, shipCatalogue);
    shipCatalogue.Clear();
    if (!difference.empty()) {
        error = ErrorLine(session, std::string(CatalogueFileName) +
                                       " differs from the recording: " + difference);
        return false;
    }
    return true;
}

const RandomSeed* DemoStarSeed(DemoSession& session) {
    if (session.mode == PlayDemo)
        return &session.player->demo.starSeed;
    session.demo.starSeed = MakeRandomSeed();
    return &session.demo.starSeed;
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
    ++session.chaseFrames;
    session.chaseMilliseconds += uint64_t(elapsed);
    std::string reason;
    if (session.recording && !RecordDemoFrame(session.recorder, elapsed, keys, reason)) {
        session.recording = false;
        session.failed = true;
        WriteNote(session, reason + "; the recording stops here");
    }
}

bool NextDemoFrame(DemoSession& session, DemoFrame& frame, bool& restarted) {
    if (session.mode != PlayDemo)
        return false;
    std::string reason;
    if (!ReadDemoFrame(*session.player, frame, reason)) {
        if (!reason.empty()) {
            WriteNote(session, reason);
            session.failed = true;
        }
        return false;
    }
    restarted = session.player->restarted;
    if (restarted) {
        session.heldBack = frame.milliseconds; // counted in the new chase
        return true;
    }
    ++session.chaseFrames;
    session.chaseMilliseconds += frame.milliseconds;
    return true;
}

const RandomSeed& RestartChase(DemoSession& session, const ChaseClock& ended) {
    if (session.mode == PlayDemo || session.recording)
        WriteChaseLine(session, ended);
    session.chaseFrames = 0;
    session.chaseMilliseconds = 0;
    if (session.mode == PlayDemo) {
        session.chaseFrames = 1;
        session.chaseMilliseconds = session.heldBack;
        return session.player->restartSeed;
    }
    session.demo.starSeed = MakeRandomSeed();
    std::string reason;
    if (session.recording && !RecordDemoRestart(session.recorder, session.demo.starSeed, reason)) {
        session.recording = false;
        session.failed = true;
        WriteNote(session, reason + "; the recording stops here");
    }
    return session.demo.starSeed;
}

bool EndDemo(DemoSession& session, const ChaseClock& chase) {
    std::string reason;
    if (session.mode == RecordDemo && session.recording) {
        if (FinishDemoRecording(session.recorder, reason)) {
            WriteChaseLine(session, chase);
        } else {
            WriteNote(session, reason);
            session.failed = true;
        }
    }
    if (session.mode != PlayDemo)
        return !session.failed;
    const DemoReader& player = *session.player;
    if (player.nextFrame < player.demo.frameCount) {
        WriteNote(session, "stopped after frame " + std::to_string(player.nextFrame) + " of " +
                               std::to_string(player.demo.frameCount));
        return !session.failed;
    }
    WriteChaseLine(session, chase);
    return true;
}
