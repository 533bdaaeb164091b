// Demo files as bytes: writing the header, frames and end mark, and reading them back checked.
#include "DemoFormat.h"

#include "ByteReader.h"
#include "HeldKeys.h"

#include <cstdio>
#include <cstring>

namespace {

const char Magic[] = "STARDEMO";
constexpr size_t MagicBytes = sizeof Magic - 1;
constexpr size_t ShipTypeFixedBytes = 2 + 4 + 4; // name length, thrust, turn rate

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

std::string CutInHeader(const char* what, size_t needed, size_t left) {
    return "file ends inside the header: " + std::string(what) + " needs " +
           std::to_string(needed) + " bytes, " + std::to_string(left) + " left";
}

bool ParseMagicAndVersion(ByteReader& in, std::string& reason) {
    size_t compared = in.Left() < MagicBytes ? in.Left() : MagicBytes;
    if (compared > 0 && std::memcmp(in.data, Magic, compared) != 0) {
        reason = "not a starchase demo: it does not begin with STARDEMO";
        return false;
    }
    if (in.Left() < MagicBytes + 2) {
        reason = CutInHeader("the mark and version", MagicBytes + 2, in.Left());
        return false;
    }
    in.at += MagicBytes;
    uint16_t version = in.U16();
    if (version != DemoFormatVersion) {
        reason = "demo format version " + std::to_string(version) + " is not supported: only " +
                 std::to_string(DemoFormatVersion);
        return false;
    }
    return true;
}

bool ParseShipType(ByteReader& in, uint32_t index, uint32_t count, Demo& demo,
                   std::string& reason) {
    std::string which = "ship type " + std::to_string(index + 1) + " of " + std::to_string(count);
    if (in.Left() < 2) {
        reason = CutInHeader(which.c_str(), 2, in.Left());
        return false;
    }
    uint16_t length = in.U16();
    if (in.Left() < size_t(length) + 8) {
        reason = CutInHeader(which.c_str(), size_t(length) + 8, in.Left());
        return false;
    }
    DemoShipType type;
    type.name.assign(reinterpret_cast<const char*>(in.data + in.at), length);
    in.at += length;
    type.thrust = in.Float();
    type.turnRate = in.Float();
    if (type.name.empty()) {
        reason = which + " has no name";
        return false;
    }
    // Names as the catalogue orders them, each once, so that two lists compare in one pass.
    if (!demo.shipTypes.empty() && !(demo.shipTypes.back().name < type.name)) {
        reason = which + " (" + type.name + ") is out of name order";
        return false;
    }
    demo.shipTypes.push_back(type);
    return true;
}

bool ParseHeader(ByteReader& in, Demo& demo, std::string& reason) {
    if (!ParseMagicAndVersion(in, reason))
        return false;
    if (in.Left() < 4 * RandomStateWords) {
        reason = CutInHeader("the star seed", 4 * RandomStateWords, in.Left());
        return false;
    }
    for (uint32_t& word : demo.starSeed.words)
        word = in.U32();
    if (in.Left() < 4) {
        reason = CutInHeader("the number of ship types", 4, in.Left());
        return false;
    }
    uint32_t count = in.U32();
    if (count > in.Left() / ShipTypeFixedBytes) {
        reason = "the header lists " + std::to_string(count) + " ship types, more than its " +
                 std::to_string(in.Left()) + " bytes left could hold";
        return false;
    }
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
    if (frame.keys & ~AllGameKeys) {
        char bits[8];
        std::snprintf(bits, sizeof bits, "0x%04X", unsigned(frame.keys & ~AllGameKeys));
        return std::string("holds unknown key bits ") + bits;
    }
    return "";
}

} // namespace

void AppendDemoHeader(std::vector<unsigned char>& bytes, const Demo& demo) {
    bytes.insert(bytes.end(), Magic, Magic + MagicBytes);
    PutU16(bytes, DemoFormatVersion);
    for (uint32_t word : demo.starSeed.words)
        PutU32(bytes, word);
    PutU32(bytes, uint32_t(demo.shipTypes.size()));
    for (const DemoShipType& type : demo.shipTypes) {
        PutU16(bytes, uint16_t(type.name.size()));
        bytes.insert(bytes.end(), type.name.begin(), type.name.end());
        PutFloat(bytes, type.thrust);
        PutFloat(bytes, type.turnRate);
    }
}

void AppendDemoFrame(std::vector<unsigned char>& bytes, DemoFrame frame) {
    PutU32(bytes, frame.milliseconds);
    PutU16(bytes, frame.keys);
}

void AppendDemoEnd(std::vector<unsigned char>& bytes) {
    AppendDemoFrame(bytes, DemoFrame());
}

bool ParseDemo(const unsigned char* data, size_t size, Demo& demo, std::string& reason) {
    Demo read;
    ByteReader in{data, size};
    if (!ParseHeader(in, read, reason))
        return false;
    while (in.Left() >= DemoFrameBytes) {
        DemoFrame frame;
        frame.milliseconds = in.U32();
        frame.keys = in.U16();
        if (frame.milliseconds == 0 && frame.keys == 0) {
            read.finished = true;
            break;
        }
        std::string wrong = CheckFrame(frame);
        if (!wrong.empty()) {
            reason = "frame " + std::to_string(read.frames.size() + 1) + " " + wrong;
            return false;
        }
        read.frames.push_back(frame);
    }
    if (read.finished && in.Left() > 0) {
        reason = std::to_string(in.Left()) + " bytes follow the end mark";
        return false;
    }
    read.partialFrameBytes = read.finished ? 0 : in.Left();
    demo = std::move(read);
    return true;
}
