// SPDX-License-Identifier: MIT
// Little-endian numbers from file bytes, for every parser: the decoders of one value at a place
// the caller has checked, and a reader that walks a buffer and never reads past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

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

// Reads forward through `size` bytes at `data`. A read that does not fit in what is left gives
// 0, moves nothing and sets `overrun`; parsers check Left() first and never see one.
struct ByteReader {
    const unsigned char* data;
    size_t size;
    size_t at = 0;
    bool overrun = false;

    size_t Left() const { return size - at; }

    uint16_t U16() { return Fits(2) ? LittleU16(Take(2)) : 0; }
    uint32_t U32() { return Fits(4) ? LittleU32(Take(4)) : 0; }
    float Float() { return Fits(4) ? LittleFloat(Take(4)) : 0.0f; }

  private:
    bool Fits(size_t count) {
        if (count <= Left())
            return true;
        overrun = true;
        return false;
    }
    const unsigned char* Take(size_t count) {
        const unsigned char* p = data + at;
        at += count;
        return p;
    }
};
