// SPDX-License-Identifier: MIT
// The frame loop's update rule, the catalogue check, the world's hash and the headless replay.
#include "Replay.h"

#include "Formatted.h"
#include "PausedFrames.h"
#include "Printable.h"
#include "SetUpWorld.h"
#include "ShipCatalogue.h"
#include "Step.h"

#include <charconv>
#include <cinttypes>
#include <cstring>

namespace {

constexpr uint64_t FnvOffsetBasis = 14695981039346656037ull;
constexpr uint64_t FnvPrime = 1099511628211ull;

struct Fnv1a {
    uint64_t hash = FnvOffsetBasis;

    void Add(uint32_t word) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (word >> shift) & 0xFF;
            hash *= FnvPrime;
        }
    }
    void Add(float value) {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        Add(bits);
    }
    void Add(Vector2 v) {
        Add(v.x);
        Add(v.y);
    }
};

// The shortest text that reads back as the same float.
std::string Figure(float value) {
    char text[32];
    auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string FigureDifference(const DemoShipType& recorded, const ShipType& type) {
    for (const CatalogueFieldRow& row : CatalogueFields) {
        if (!row.number)
            continue;
        const float has = type.*ShipTypeNumbers[row.index];
        const float was = recorded.*DemoShipTypeNumbers[row.index];
        if (!SameBits(has, was))
            return Printable(recorded.name) + " has " + row.name + " " + Figure(has) +
                   ", recorded " + Figure(was);
    }
    return "";
}

// "thrust 12 and turn rate 90": the recorded figures of `type`.
std::string RecordedFigures(const DemoShipType& type) {
    std::string figures;
    int listed = 0;
    for (const CatalogueFieldRow& row : CatalogueFields) {
        if (!row.number)
            continue;
        ++listed;
        figures += std::string(listed == 1                      ? ""
                               : listed == CatalogueNumberCount ? " and "
                                                                : ", ") +
                   row.name + " " + Figure(type.*DemoShipTypeNumbers[row.index]);
    }
    return figures;
}

} // namespace

bool FrameUpdates(FrameClock& clock, double elapsed) {
    bool updates = clock.accumulated > 1.0;
    clock.accumulated += elapsed;
    return updates;
}

DemoShipType RecordedShipType(const std::string& name, const ShipType& type) {
    DemoShipType recorded;
    recorded.name = name;
    for (const CatalogueFieldRow& row : CatalogueFields)
        if (row.number)
            recorded.*DemoShipTypeNumbers[row.index] = type.*ShipTypeNumbers[row.index];
    return recorded;
}

ShipType PlayedShipType(const DemoShipType& recorded) {
    ShipType type;
    for (const CatalogueFieldRow& row : CatalogueFields)
        if (row.number)
            type.*ShipTypeNumbers[row.index] = recorded.*DemoShipTypeNumbers[row.index];
    return type;
}

std::vector<DemoShipType> RecordedShipTypes(const ShipCatalogue& catalogue) {
    std::vector<DemoShipType> types;
    for (const auto& entry : catalogue.entries)
        types.push_back(RecordedShipType(entry.first, entry.second));
    return types;
}

std::string CatalogueDifference(const std::vector<DemoShipType>& recorded,
                                const ShipCatalogue& catalogue) {
    auto present = catalogue.entries.begin();
    for (const DemoShipType& type : recorded) {
        if (present != catalogue.entries.end() && present->first < type.name)
            return Printable(present->first) + " is not in the recording";
        if (present == catalogue.entries.end() || type.name < present->first)
            return Printable(type.name) + " is missing (recorded with " + RecordedFigures(type) +
                   ")";
        std::string difference = FigureDifference(type, present->second);
        if (!difference.empty())
            return difference;
        ++present;
    }
    if (present != catalogue.entries.end())
        return Printable(present->first) + " is not in the recording";
    return "";
}

uint64_t WorldHash(const World& w) {
    Fnv1a fnv;
    fnv.Add(uint32_t(w.ships.size()));
    for (const Ship& s : w.ships) {
        fnv.Add(s.position);
        fnv.Add(s.velocity);
        fnv.Add(s.heading);
        fnv.Add(uint32_t(s.hitPoints));
        fnv.Add(s.reloadTimer);
    }
    fnv.Add(uint32_t(w.projectiles.size()));
    for (const Projectile& q : w.projectiles) {
        fnv.Add(q.position);
        fnv.Add(q.velocity);
        fnv.Add(q.heading);
        fnv.Add(q.lifeLeft);
    }
    return fnv.hash;
}

DemoResult SumUpGame(const World& w, size_t frames, uint64_t milliseconds,
                     const ChaseClock& chase) {
    DemoResult result;
    result.frames = frames;
    result.milliseconds = milliseconds;
    result.chasersLeft = ChasersLeft(w);
    result.hash = WorldHash(w);
    result.chase = chase;
    return result;
}

std::string DemoLine(const DemoResult& result) {
    const std::string line =
        Formatted("demo: %zu frames, %s s, %zu chasers left, state %016" PRIx64, result.frames,
                  ExactSecondsText(result.milliseconds).c_str(), result.chasersLeft, result.hash);
    if (!result.chase.over)
        return line;
    return line + ", chase over in " + ExactSecondsText(result.chase.milliseconds) + " s";
}

std::string UnfinishedDemoNote(const Demo& demo) {
    if (demo.finished)
        return "";
    std::string whole = std::to_string(demo.frameCount);
    if (demo.partialFrameBytes >= DemoFrameBytes)
        return "ends inside a restart after frame " + whole + ": replaying the " + whole +
               " whole frames before it";
    if (demo.partialFrameBytes > 0)
        return "ends inside frame " + std::to_string(demo.frameCount + 1) + " (" +
               std::to_string(demo.partialFrameBytes) + " of " + std::to_string(DemoFrameBytes) +
               " bytes): replaying the " + whole + " whole frames before it";
    return "has no end mark after frame " + whole + " (the recording was cut off): replaying its " +
           whole + " frames";
}

void ReplayFrame(ChaseReplay& replay, World& w, const DemoFrame& frame) {
    // Exactly the loop's arithmetic: whole milliseconds held in a double, times 0.001.
    const double elapsed = frame.milliseconds;
    const HeldKeys keys{frame.keys};
    const bool updates = FrameUpdates(replay.clock, elapsed);
    if (updates) {
        replay.events.list.clear();
        AdvanceWorld(w, keys, elapsed * 0.001, replay.events);
    }
    ++replay.frames;
    if (CountChaseFrame(replay.chase, updates, keys, elapsed, w))
        replay.endFrame = replay.frames;
    replay.milliseconds += frame.milliseconds;
}

namespace {

DemoResult SumUpReplay(const World& w, const ChaseReplay& replay) {
    DemoResult result = SumUpGame(w, replay.frames, replay.milliseconds, replay.chase);
    result.endFrame = replay.endFrame;
    return result;
}

} // namespace

bool ReplayDemo(DemoReader& reader, std::vector<DemoResult>& chases, std::string& reason) {
    reason.clear();
    chases.clear();
    if (!SetUpWorld(&reader.demo.starSeed))
        return false;
    ChaseReplay replay;
    DemoFrame frame;
    while (ReadDemoFrame(reader, frame, reason)) {
        if (reader.restarted) {
            chases.push_back(SumUpReplay(world, replay));
            world = World();
            if (!SetUpWorld(&reader.restartSeed))
                return false;
            replay = ChaseReplay();
        }
        ReplayFrame(replay, world, frame);
    }
    chases.push_back(SumUpReplay(world, replay));
    return reason.empty();
}

bool ReplayFirstChase(DemoReader& reader, uint64_t mostMilliseconds, DemoResult& first,
                      std::string& reason) {
    reason.clear();
    if (!SetUpWorld(&reader.demo.starSeed))
        return false;
    ChaseReplay replay;
    PausedFrames paused;
    DemoFrame frame;
    std::vector<uint64_t> breakUps;
    size_t chasers = ChasersLeft(world);
    while (!replay.chase.over && replay.chase.milliseconds <= mostMilliseconds &&
           ReadDemoFrame(reader, frame, reason) && !reader.restarted &&
           CountPausedFrame(paused, frame, reason)) {
        ReplayFrame(replay, world, frame);
        for (const size_t left = ChasersLeft(world); chasers > left; --chasers)
            breakUps.push_back(replay.chase.milliseconds);
    }
    first = SumUpReplay(world, replay);
    first.breakUps = std::move(breakUps);
    return reason.empty();
}
