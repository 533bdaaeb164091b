// SPDX-License-Identifier: MIT
// Reading a piece at a time: never past the limit, and never on after a failed read, which is
// named. (Pieces of every size are read by the walk of a model's textures and the set's hash.)
#include "PieceReader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PieceReader, NeitherPastTheLimitNorOnAfterAFailedRead) {
    const std::vector<unsigned char> bytes(300, 7);
    PieceReader limited = ReadHeldPieces(bytes.data(), bytes.size(), 64);
    limited.most = 100;
    EXPECT_TRUE(HavePieces(limited, 100));
    EXPECT_FALSE(HavePieces(limited, 101));
    EXPECT_TRUE(ReadRestOfPieces(limited));
    EXPECT_EQ(limited.read, 100u);

    int reads = 0;
    PieceReader failing;
    failing.piece = 10;
    failing.readMore = [&reads](unsigned char* into, size_t size, size_t& got, std::string& why) {
        if (++reads > 2) {
            why = "Input/output error";
            return false;
        }
        got = size;
        std::fill(into, into + size, 1);
        return true;
    };
    EXPECT_TRUE(HavePieces(failing, 15));
    EXPECT_FALSE(HavePieces(failing, 25));
    EXPECT_EQ(failing.fault, "Input/output error");
    EXPECT_EQ(failing.read, 20u);
    EXPECT_FALSE(ReadRestOfPieces(failing));
    EXPECT_EQ(reads, 3) << "read on after a failed read";
}

} // namespace
