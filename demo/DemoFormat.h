// SPDX-License-Identifier: MIT
// Demo files as bytes: a recorded game, the header that rebuilds its opening scene, then each
// frame's measured length and held keys. Pure: no files, no SDL.
//
// All numbers are little-endian. The header: the magic "STARDEMO", the format version (uint16),
// the rules version the game was played under (uint16, GameRulesVersion), the star generator's
// 624 seeding words (uint32 each), the number of ship types (uint32, at most MaxShipTypes), and per
// type in name order its name length (uint16, at most MaxCatalogueLine), name bytes and each
// number field of the catalogue in the fields' order, thrust and turn rate (float32 bits). Then one
// entry per frame: milliseconds (uint32, 1 to MaxDemoFrameMilliseconds) and the held HeldAction
// bits (uint16). An entry of 0 milliseconds and no keys marks the end; nothing follows it. From
// version 3, an entry of 0 milliseconds and the keys DemoRestartKeys is a restart: the 624 seeding
// words of the new chase's stars follow it, and the next chase begins with the next frame. Files of
// version 2, which have no restarts, are read too.
//
// A file is read in pieces: the header from its first bytes, then the frames a buffer at a time,
// so that checking or playing a demo takes memory that does not grow with its length.
#pragma once

#include "ByteReader.h"
#include "CatalogueFile.h"
#include "RandomGenerator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t DemoFormatVersion = 3;
constexpr uint16_t OldestDemoFormatVersion = 2;
constexpr size_t DemoFrameBytes = 6;
constexpr uint16_t DemoRestartKeys = 0xFFFF;
constexpr size_t DemoRestartBytes = DemoFrameBytes + 4 * RandomStateWords;
// Longer than any frame a running game measures: a day.
constexpr uint32_t MaxDemoFrameMilliseconds = 24 * 60 * 60 * 1000;

// A ship type's figures as the catalogue held them while recording.
struct DemoShipType {
    std::string name;
    float thrust = 0;
    float turnRate = 0;
};

// Where each number field of the catalogue (CatalogueFields) is kept in a DemoShipType, by the
// field's index; the header records them in the fields' order.
inline constexpr float DemoShipType::*DemoShipTypeNumbers[CatalogueFieldCount] = {
    nullptr, nullptr, &DemoShipType::thrust, &DemoShipType::turnRate};
static_assert(HasEveryNumber(DemoShipTypeNumbers), "a demo's ship type keeps every number of a "
                                                   "catalogue record");

struct DemoFrame {
    uint32_t milliseconds = 0; // as the frame loop measured it
    uint16_t keys = 0;         // HeldAction bits
};

// A demo's header, and what its frames add up to once they have been checked.
struct Demo {
    uint16_t version = DemoFormatVersion;
    RandomSeed starSeed;                 // of the first chase
    std::vector<DemoShipType> shipTypes; // in name order, names unique
    size_t frameCount = 0;               // whole frames before the end mark or the cut
    size_t restartCount = 0;             // restarts among them
    uint64_t milliseconds = 0;           // of those frames together
    bool finished = false;               // the end mark was read: the recording was closed properly
    size_t partialFrameBytes = 0;        // bytes of a frame cut short after the last whole one
};

// The header bytes, for a demo's `version` (this game's, unless it was read from an older file),
// `starSeed` and `shipTypes`, under this game's rules.
void AppendDemoHeader(std::vector<unsigned char>& bytes, const Demo& demo);
void AppendDemoFrame(std::vector<unsigned char>& bytes, DemoFrame frame);
void AppendDemoEnd(std::vector<unsigned char>& bytes);
// A restart whose new chase's stars come from `seed`.
void AppendDemoRestart(std::vector<unsigned char>& bytes, const RandomSeed& seed);

// Reads the header through `in` from the file's first byte: the cursor fetches the bytes as they
// are reached. True: `demo` holds the star seed and ship types, and `in.at` is the header's length.
// False, with `reason`, for anything but the header of a demo of this format recorded under this
// game's rules, with at most MaxShipTypes types and names of at most MaxCatalogueLine bytes; a
// file that does not begin with the mark is refused from its first bytes, and a header that
// declares more than those limits, or more types than the file's size could hold, is refused
// before any type is read. `demo` changes only when the header is parsed.
bool ParseDemoHeader(ByteCursor& in, Demo& demo, std::string& reason);

// Checks the frame and restart entries at `data` in order and counts them into `demo`, up to and
// including the end mark (then `finished`); `used` is the bytes of the whole entries taken. False,
// with `reason`, at a frame no game plays (a restart in a file of a version without restarts is
// one).
bool ScanDemoFrames(const unsigned char* data, size_t size, Demo& demo, size_t& used,
                    std::string& reason);

// The one frame entry at `data` (DemoFrameBytes): false, with `reason`, for a frame no game plays.
// The end mark reads as a frame of 0 ms and no keys.
bool ParseDemoFrame(const unsigned char* data, DemoFrame& frame, std::string& reason);

// Whether the entry at `data` (at least DemoFrameBytes) of a demo of `version` is a restart.
bool IsDemoRestart(uint16_t version, const unsigned char* data);
// The seed of the restart entry at `data` (DemoRestartBytes).
RandomSeed ParseDemoRestart(const unsigned char* data);

// The file ends `left` bytes after the last whole entry scanned: a frame cut short is noted in
// `demo`; false, with `reason`, for bytes after the end mark.
bool EndDemoFrames(Demo& demo, uint64_t left, std::string& reason);

// Reads a whole demo file's bytes: the header, then every frame scanned. False, with `reason`,
// for anything ParseDemoHeader or ScanDemoFrames refuses. A file cut short inside its frames
// (or without its end mark) is read up to its last whole frame, with `finished` false.
bool ParseDemo(const unsigned char* data, size_t size, Demo& demo, std::string& reason);
