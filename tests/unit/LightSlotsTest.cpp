// SPDX-License-Identifier: MIT
#include "LightSlots.h"

#include <gtest/gtest.h>

TEST(LightSlots, FillInOrderAndDropTheEighth) {
    lightSlots = LightSlots{};
    for (int i = 0; i < 8; ++i)
        AddLight(Vector3(float(i), 0, 0), Vector3(0, 0, float(i)));
    EXPECT_EQ(lightSlots.count, 7);
    for (int i = 0; i < LightSlotCount; ++i) {
        EXPECT_TRUE(lightSlots.used[i]);
        EXPECT_EQ(lightSlots.colours[i].x, float(i)); // the first seven win
        EXPECT_EQ(lightSlots.positions[i].z, float(i));
    }
}
