// Demo files as bytes: a recorded game, the header that rebuilds its opening scene, then each
// frame's measured length and held keys. Pure: no files, no SDL.
//
// All numbers are little-endian. The header: the magic "STARDEMO", the format version (uint16),
// the star generator's 624 seeding words (uint32 each), the number of ship types (uint32), and
// per type in name order its name length (uint16), name bytes, thrust and turn rate (float32
// bits). Then one entry per frame: milliseconds (uint32, 1 to MaxDemoFrameMilliseconds) and the
// held GameKey bits (uint16). An entry of 0 milliseconds and no keys marks the end; nothing
// follows it.
#pragma once

#include "RandomGenerator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t DemoFormatVersion = 1;
constexpr size_t DemoFrameBytes = 6;
// Longer than any frame a running game measures: a day.
constexpr uint32_t MaxDemoFrameMilliseconds = 24 * 60 * 60 * 1000;

// A ship type's figures as the catalogue held them while recording.
struct DemoShipType {
    std::string name;
    float thrust = 0;
    float turnRate = 0;
};

struct DemoFrame {
    uint32_t milliseconds = 0; // as the frame loop measured it
    uint16_t keys = 0;         // GameKey bits
};

struct Demo {
    RandomSeed starSeed;
    std::vector<DemoShipType> shipTypes; // in name order, names unique
    std::vector<DemoFrame> frames;
    bool finished = false;        // the end mark was read: the recording was closed properly
    size_t partialFrameBytes = 0; // bytes of a frame cut short after the last whole one
};

// The header bytes, for a demo's `starSeed` and `shipTypes`.
void AppendDemoHeader(std::vector<unsigned char>& bytes, const Demo& demo);
void AppendDemoFrame(std::vector<unsigned char>& bytes, DemoFrame frame);
void AppendDemoEnd(std::vector<unsigned char>& bytes);

// Reads a whole demo file's bytes. False, with `reason`, for anything but a demo of this
// version whose header and every whole frame make sense. A file cut short inside its frames
// (or without its end mark) is read up to its last whole frame, with `finished` false.
bool ParseDemo(const unsigned char* data, size_t size, Demo& demo, std::string& reason);
