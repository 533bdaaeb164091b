// SPDX-License-Identifier: MIT
// Demo files as bytes: writing the header, frames and end mark, and reading them back checked.
#include "DemoFormat.h"

#include "ByteReader.h"
#include "CatalogueFile.h"
#include "HeldKeys.h"
#include "Printable.h"
#include "Step.h"

#include <cstdio>
#include <cstring>

namespace {

const char Magic[] = "STARDEMO";
constexpr size_t MagicBytes = sizeof Magic - 1;
constexpr size_t ShipTypeFixedBytes = 2 + 4 * CatalogueNumberCount; // name length, numbers
// The header records every number of a ship type: a new one changes what the header holds, so
// it takes a new DemoFormatVersion, with the older versions read as they were written.
static_assert(CatalogueNumberCount == 2, "a new number in a ship type's header is a new demo "
                                         "format version");

void PutU16(std::vector<unsigned char>& bytes, uint16_t value) {
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

void PutU32(std::vector<unsigned char>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(uint8_t(value >> shift));
}

void PutFloat(std::vector<unsigned char>& bytes, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    PutU32(bytes, bits);
}

// The header's reads: each is preceded by Need, which fetches the bytes or says the file ends.
bool Need(ByteCursor& in, size_t count, const std::string& what, std::string& reason) {
    if (in.Have(count))
        return true;
    if (!in.readFault.empty())
        reason = in.readFault;
    else
        reason = "file ends inside the header: " + what + " needs " + std::to_string(count) +
                 " bytes, " + std::to_string(in.Left()) + " left";
    return false;
}

bool Refuse(std::string& reason, const std::string& why) {
    reason = why;
    return false;
}

// A file that is not a demo is refused from as many of its first bytes as it has.
bool ParseMarkAndVersions(ByteCursor& in, Demo& demo, std::string& reason) {
    const bool whole = in.Have(MagicBytes);
    const size_t compared = whole ? MagicBytes : in.Left();
    if (compared > 0 && std::memcmp(in.Here(), Magic, compared) != 0)
        return Refuse(reason, "not a starchase demo: it does not begin with STARDEMO");
    if (!Need(in, MagicBytes + 2, "the mark and version", reason))
        return false;
    in.Take(MagicBytes);
    uint16_t version = in.U16();
    if (version < OldestDemoFormatVersion || version > DemoFormatVersion)
        return Refuse(reason, "demo format version " + std::to_string(version) +
                                  " is not supported: only " +
                                  std::to_string(OldestDemoFormatVersion) + " to " +
                                  std::to_string(DemoFormatVersion));
    demo.version = version;
    if (!Need(in, 2, "the rules version", reason))
        return false;
    uint16_t rules = in.U16();
    if (rules != GameRulesVersion)
        return Refuse(reason, "recorded under the game's rules version " + std::to_string(rules) +
                                  "; this game plays rules version " +
                                  std::to_string(GameRulesVersion));
    return true;
}

bool ParseShipType(ByteCursor& in, uint32_t index, uint32_t count, Demo& demo,
                   std::string& reason) {
    std::string which = "ship type " + std::to_string(index + 1) + " of " + std::to_string(count);
    if (!Need(in, 2, which, reason))
        return false;
    uint16_t length = in.U16();
    if (length > MaxCatalogueLine)
        return Refuse(reason, which + " has a name of " + std::to_string(length) +
                                  " bytes: a catalogue's names have at most " +
                                  std::to_string(MaxCatalogueLine));
    if (!Need(in, size_t(length) + 4 * CatalogueNumberCount, which, reason))
        return false;
    DemoShipType type;
    type.name.assign(reinterpret_cast<const char*>(in.Take(length)), length);
    for (const CatalogueFieldRow& row : CatalogueFields)
        if (row.number)
            type.*DemoShipTypeNumbers[row.index] = in.Float();
    if (type.name.empty())
        return Refuse(reason, which + " has no name");
    // Names as the catalogue orders them, each once, so that two lists compare in one pass.
    if (!demo.shipTypes.empty() && !(demo.shipTypes.back().name < type.name))
        return Refuse(reason, which + " (" + Printable(type.name) + ") is out of name order");
    demo.shipTypes.push_back(type);
    return true;
}

bool ParseHeader(ByteCursor& in, Demo& demo, std::string& reason) {
    if (!ParseMarkAndVersions(in, demo, reason) ||
        !Need(in, 4 * RandomStateWords, "the star seed", reason))
        return false;
    for (uint32_t& word : demo.starSeed.words)
        word = in.U32();
    if (!Need(in, 4, "the number of ship types", reason))
        return false;
    uint32_t count = in.U32();
    if (count > in.MostLeft() / ShipTypeFixedBytes)
        return Refuse(reason, "the header lists " + std::to_string(count) +
                                  " ship types, more than its " + std::to_string(in.MostLeft()) +
                                  " bytes left could hold");
    if (count > MaxShipTypes)
        return Refuse(reason, "the header lists " + std::to_string(count) +
                                  " ship types: the game loads at most " +
                                  std::to_string(MaxShipTypes));
    for (uint32_t i = 0; i < count; ++i)
        if (!ParseShipType(in, i, count, demo, reason))
            return false;
    return true;
}

// Empty for a frame a demo can hold, else what is wrong with it.
std::string CheckFrame(DemoFrame frame) {
    if (frame.milliseconds == 0 || frame.milliseconds > MaxDemoFrameMilliseconds)
        return "lasts " + std::to_string(frame.milliseconds) + " ms: a frame lasts from 1 ms to " +
               std::to_string(MaxDemoFrameMilliseconds) + " ms (a day)";
    if (frame.keys & ~AllHeldActions) {
        char bits[8];
        std::snprintf(bits, sizeof bits, "0x%04X", unsigned(frame.keys & ~AllHeldActions));
        return std::string("holds unknown key bits ") + bits;
    }
    return "";
}

} // namespace

void AppendDemoHeader(std::vector<unsigned char>& bytes, const Demo& demo) {
    bytes.insert(bytes.end(), Magic, Magic + MagicBytes);
    PutU16(bytes, demo.version);
    PutU16(bytes, GameRulesVersion);
    for (uint32_t word : demo.starSeed.words)
        PutU32(bytes, word);
    PutU32(bytes, uint32_t(demo.shipTypes.size()));
    for (const DemoShipType& type : demo.shipTypes) {
        PutU16(bytes, uint16_t(type.name.size()));
        bytes.insert(bytes.end(), type.name.begin(), type.name.end());
        for (const CatalogueFieldRow& row : CatalogueFields)
            if (row.number)
                PutFloat(bytes, type.*DemoShipTypeNumbers[row.index]);
    }
}

void AppendDemoFrame(std::vector<unsigned char>& bytes, DemoFrame frame) {
    PutU32(bytes, frame.milliseconds);
    PutU16(bytes, frame.keys);
}

void AppendDemoEnd(std::vector<unsigned char>& bytes) {
    AppendDemoFrame(bytes, DemoFrame());
}

void AppendDemoRestart(std::vector<unsigned char>& bytes, const RandomSeed& seed) {
    AppendDemoFrame(bytes, DemoFrame{0, DemoRestartKeys});
    for (uint32_t word : seed.words)
        PutU32(bytes, word);
}

bool IsDemoRestart(uint16_t version, const unsigned char* data) {
    return version >= 3 && LittleU32(data) == 0 && LittleU16(data + 4) == DemoRestartKeys;
}

RandomSeed ParseDemoRestart(const unsigned char* data) {
    RandomSeed seed;
    for (int i = 0; i < RandomStateWords; ++i)
        seed.words[i] = LittleU32(data + DemoFrameBytes + 4 * size_t(i));
    return seed;
}

bool ParseDemoHeader(ByteCursor& in, Demo& demo, std::string& reason) {
    Demo read;
    if (!ParseHeader(in, read, reason))
        return false;
    demo.version = read.version;
    demo.starSeed = read.starSeed;
    demo.shipTypes = std::move(read.shipTypes);
    return true;
}

bool ParseDemoFrame(const unsigned char* data, DemoFrame& frame, std::string& reason) {
    ByteCursor in = ByteCursor::Over(data, DemoFrameBytes);
    frame.milliseconds = in.U32();
    frame.keys = in.U16();
    reason = frame.milliseconds == 0 && frame.keys == 0 ? "" : CheckFrame(frame);
    return reason.empty();
}

bool ScanDemoFrames(const unsigned char* data, size_t size, Demo& demo, size_t& used,
                    std::string& reason) {
    for (used = 0; !demo.finished && size - used >= DemoFrameBytes; used += DemoFrameBytes) {
        if (IsDemoRestart(demo.version, data + used)) {
            if (size - used < DemoRestartBytes)
                return true; // the rest of the restart is in bytes not held yet
            ++demo.restartCount;
            used += DemoRestartBytes - DemoFrameBytes;
            continue;
        }
        DemoFrame frame;
        if (!ParseDemoFrame(data + used, frame, reason)) {
            reason = "frame " + std::to_string(demo.frameCount + 1) + " " + reason;
            return false;
        }
        demo.finished = frame.milliseconds == 0;
        demo.frameCount += !demo.finished;
        demo.milliseconds += frame.milliseconds;
    }
    return true;
}

bool EndDemoFrames(Demo& demo, uint64_t left, std::string& reason) {
    if (demo.finished && left > 0) {
        reason = std::to_string(left) + " bytes follow the end mark";
        return false;
    }
    demo.partialFrameBytes = size_t(left);
    return true;
}

bool ParseDemo(const unsigned char* data, size_t size, Demo& demo, std::string& reason) {
    Demo read;
    ByteCursor in = ByteCursor::Over(data, size);
    if (!ParseDemoHeader(in, read, reason))
        return false;
    const size_t header = in.at;
    size_t frames = 0;
    if (!ScanDemoFrames(data + header, size - header, read, frames, reason) ||
        !EndDemoFrames(read, size - header - frames, reason))
        return false;
    demo = std::move(read);
    return true;
}
