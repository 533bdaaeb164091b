// SPDX-License-Identifier: MIT
// Little-endian numbers from file bytes, for every parser: the decoders of one value at a place
// the caller has checked, and the one cursor every parser reads a file through, over bytes held
// whole or fetched from the file as the parse reaches them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

inline uint16_t LittleU16(const unsigned char* p) {
    return uint16_t(p[0] | p[1] << 8);
}

inline uint32_t LittleU32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// An IEEE 754 single from its four bytes, least significant first.
inline float LittleFloat(const unsigned char* p) {
    const uint32_t bits = LittleU32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Fetches more of a file for a parse: asked for its first `needed` bytes, points `data` and
// `size` at what has been read (all of it, or all the file has when it is shorter). False, with
// the reason, when reading fails.
using MoreBytes = std::function<bool(size_t needed, const unsigned char*& data, size_t& size,
                                     std::string& reason)>;

// A parse's place in a file. `data` holds the first `size` bytes; with `more`, the bytes ahead
// are fetched as the parse reaches them. Every read is preceded by Have, which says whether the
// bytes are there; reads past what Have granted are the caller's fault.
struct ByteCursor {
    const unsigned char* data = nullptr;
    size_t size = 0;
    size_t at = 0;
    const MoreBytes* more = nullptr; // null: `data` is the whole file
    uint64_t fileSize = UINT64_MAX;  // the most the file can hold, when known before reading it
    std::string readFault;           // why fetching more failed

    // Over bytes held whole.
    static ByteCursor Over(const unsigned char* bytes, size_t count) {
        ByteCursor c;
        c.data = bytes;
        c.size = count;
        c.fileSize = count;
        return c;
    }
    // Over a file fetched by `source` from its first byte, of at most `most` bytes when known.
    static ByteCursor From(const MoreBytes& source, uint64_t most = UINT64_MAX) {
        ByteCursor c;
        c.more = &source;
        c.fileSize = most;
        return c;
    }

    size_t Left() const { return size - at; }
    // The bytes the file can still hold past the cursor, read or not.
    uint64_t MostLeft() const { return fileSize > at ? fileSize - at : 0; }
    const unsigned char* Here() const { return data + at; }

    // True when `count` bytes lie ahead of the cursor, fetching them when they can be.
    bool Have(size_t count) {
        if (Left() >= count)
            return true;
        if (!more || !readFault.empty())
            return false;
        if (!(*more)(at + count, data, size, readFault)) {
            if (readFault.empty())
                readFault = "the file cannot be read";
            return false;
        }
        return Left() >= count;
    }

    const unsigned char* Take(size_t count) {
        at += count;
        return data + at - count;
    }
    uint16_t U16() { return LittleU16(Take(2)); }
    uint32_t U32() { return LittleU32(Take(4)); }
    float Float() { return LittleFloat(Take(4)); }
};
