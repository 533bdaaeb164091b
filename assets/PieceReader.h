// SPDX-License-Identifier: MIT
// Bytes taken front to back through a buffer of one piece and the record being taken: the memory
// held does not grow with what is read, and every byte read is seen once, as it arrives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct DataFile;

// Reads up to `size` more bytes into `into`; `got` is 0 at the end. False, with the reason, when
// reading fails.
using ReadMore =
    std::function<bool(unsigned char* into, size_t size, size_t& got, std::string& reason)>;
// Sees the bytes just read, each once, in order.
using SeeBytes = std::function<void(const unsigned char* bytes, size_t size)>;

constexpr size_t DefaultPieceBytes = 64 * 1024;

struct PieceReader {
    ReadMore readMore;
    SeeBytes seen;                    // may be empty
    size_t piece = DefaultPieceBytes; // the most asked of `readMore` at a time
    uint64_t most = UINT64_MAX;       // never reads past this many bytes
    std::vector<unsigned char> held;  // bytes read; those from `at` on are not yet taken
    size_t at = 0;
    uint64_t read = 0; // bytes read so far
    std::string fault; // why reading failed
};

// A reader of `file` from where its last read stopped, never past the size the file had when it
// was opened. `file` must outlive it.
PieceReader ReadFilePieces(DataFile& file, size_t piece = DefaultPieceBytes);

// A reader of the `size` bytes at `data`, handed over `piece` bytes at a time at most. `data`
// must outlive it.
PieceReader ReadHeldPieces(const unsigned char* data, size_t size, size_t piece);

// True when `count` bytes lie at PieceAt(in), reading pieces as they are needed; false when the
// bytes end first or reading fails (`fault` then says why).
bool HavePieces(PieceReader& in, size_t count);

inline const unsigned char* PieceAt(const PieceReader& in) {
    return in.held.data() + in.at;
}

// Takes `count` bytes without looking at them; false when fewer are left.
bool SkipPieces(PieceReader& in, uint64_t count);

// Reads on to the end, or to `most`, keeping none of it. False when reading fails.
bool ReadRestOfPieces(PieceReader& in);
