// SPDX-License-Identifier: MIT
// Reading a piece at a time into a buffer that holds no more than a piece and a record.
#include "PieceReader.h"

#include "FileBytes.h"

#include <algorithm>
#include <cstring>

PieceReader ReadFilePieces(DataFile& file, size_t piece) {
    PieceReader in;
    in.readMore = [&file](unsigned char* into, size_t size, size_t& got, std::string& reason) {
        return ReadSomeBytes(file, into, size, got, reason);
    };
    in.piece = piece;
    in.most = file.size;
    return in;
}

PieceReader ReadHeldPieces(const unsigned char* data, size_t size, size_t piece) {
    PieceReader in;
    size_t given = 0;
    in.readMore = [data, size, given](unsigned char* into, size_t wanted, size_t& got,
                                      std::string&) mutable {
        got = std::min(wanted, size - given);
        if (got > 0) // `data` may be null when there are no bytes
            std::memcpy(into, data + given, got);
        given += got;
        return true;
    };
    in.piece = piece;
    return in;
}

bool HavePieces(PieceReader& in, size_t count) {
    if (in.held.size() - in.at >= count)
        return true;
    // What is not yet taken is less than a record: moved to the front, it is all that is kept.
    in.held.erase(in.held.begin(), in.held.begin() + std::ptrdiff_t(in.at));
    in.at = 0;
    while (in.held.size() < count && in.fault.empty()) {
        const size_t had = in.held.size();
        const size_t ask = size_t(std::min<uint64_t>(in.piece, in.most - in.read));
        if (ask == 0)
            return false;
        in.held.resize(had + ask);
        size_t got = 0;
        const bool read = in.readMore(in.held.data() + had, ask, got, in.fault);
        in.held.resize(had + (read ? got : 0));
        if (!read && in.fault.empty())
            in.fault = "the file cannot be read";
        if (!read || got == 0)
            return false;
        if (in.seen)
            in.seen(in.held.data() + had, got);
        in.read += got;
    }
    return in.held.size() >= count;
}

bool SkipPieces(PieceReader& in, uint64_t count) {
    while (count > 0) {
        if (in.at == in.held.size() && !HavePieces(in, 1))
            return false;
        const size_t step = size_t(std::min<uint64_t>(count, in.held.size() - in.at));
        in.at += step;
        count -= step;
    }
    return true;
}

bool ReadRestOfPieces(PieceReader& in) {
    in.at = in.held.size();
    while (HavePieces(in, 1))
        in.at = in.held.size();
    return in.fault.empty();
}
