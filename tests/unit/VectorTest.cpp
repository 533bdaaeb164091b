// SPDX-License-Identifier: MIT
#include "Vector.h"

#include <gtest/gtest.h>

TEST(Vector2, LengthAndNormalizedOfThreeFour) {
    EXPECT_EQ(Length(Vector2(3, 4)), 5.0f);
    Vector2 n = Normalized(Vector2(3, 4));
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.y, 0.8f);
    Vector2 v(3, 4);
    Normalize(v);
    EXPECT_TRUE(v == n);
}

TEST(Vector2, ArithmeticIsComponentwise) {
    Vector2 v(6, -8);
    EXPECT_TRUE(v + Vector2(1, 2) == Vector2(7, -6));
    EXPECT_TRUE(v - 1.0f == Vector2(5, -9));
    EXPECT_TRUE(v * Vector2(0.5f, 2) == Vector2(3, -16));
    EXPECT_TRUE(v / Vector2(2, 4) == Vector2(3, -2));
    EXPECT_TRUE(v / 2.0f == Vector2(3, -4));
    v += 1.0f;
    v *= Vector2(2, 1);
    EXPECT_TRUE(v == Vector2(14, -7));
    EXPECT_EQ(Dot(Vector2(1, 2), Vector2(3, 4)), 11.0f);
}

TEST(Vector2, EqualsScalarOnlyWhenEveryComponentDoes) {
    EXPECT_TRUE(Vector2(2, 2) == 2.0f);
    EXPECT_FALSE(Vector2(2, 3) == 2.0f);
    EXPECT_FALSE(Vector3(2, 2, 3) == 2.0f);
    EXPECT_TRUE(Vector3(-1, -1, -1) == -1.0f);
}

TEST(Vector2, DividesEachComponentWhereVector3MultipliesByTheReciprocal) {
    // 1/3 rounded to float, times 3, differs from 3/3 in the last bit for some values: 0.1f is one.
    float s = 3.0f;
    Vector2 v2 = Vector2(0.1f, 0.1f) / s;
    Vector3 v3 = Vector3(0.1f, 0.1f, 0.1f) / s;
    EXPECT_EQ(v2.x, 0.1f / 3.0f);
    EXPECT_EQ(v3.x, 0.1f * (1.0f / 3.0f));
}

TEST(Vector3, DifferenceCrossAndUnitCross) {
    EXPECT_TRUE(Vector3(1, 2, 3) - Vector3(1, 1, 1) == Vector3(0, 1, 2));
    EXPECT_TRUE(Cross(Vector3(1, 0, 0), Vector3(0, 1, 0)) == Vector3(0, 0, 1));
    EXPECT_TRUE(UnitCross(Vector3(0, 0, 2), Vector3(4, 0, 0)) == Vector3(0, 1, 0));
    // Parallel vectors have no common normal: the cross product has zero length.
    EXPECT_EQ(Length(Cross(Vector3(1, 2, 3), Vector3(2, 4, 6))), 0.0f);
    EXPECT_EQ(Length(Vector3(2, 3, 6)), 7.0f);
}
