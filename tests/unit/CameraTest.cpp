// SPDX-License-Identifier: MIT
#include "Camera.h"

#include <gtest/gtest.h>

TEST(Camera, StartsAtItsDefaultsAndSetTakesValuesUnchanged) {
    Camera c;
    EXPECT_TRUE(c.eye == Vector3(0, 0, 0));
    EXPECT_TRUE(c.centre == Vector3(0, 1, 0.5f));
    EXPECT_TRUE(c.up == Vector3(0, 0, 1));
    c.Set(Vector3(0, 0, 60), Vector3(0, 0, 1), Vector3(0, 1, 0));
    EXPECT_TRUE(c.eye == Vector3(0, 0, 60));
    EXPECT_TRUE(c.centre == Vector3(0, 0, 1));
    EXPECT_TRUE(c.up == Vector3(0, 1, 0));
}

TEST(Camera, FollowRisesWithDistanceFromTheOriginUpToSeventy) {
    struct Case {
        Vector2 followed;
        float height;
    } const cases[] = {
        {{0, 0}, 20},    {{3, 4}, 26.5f},  {{-3, -4}, 26.5f}, {{30, 40}, 70},
        {{-40, 30}, 70}, {{0, 38}, 69.4f}, {{500, 500}, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.followed.x << ", " << c.followed.y);
        Camera camera;
        camera.Set(Vector3(0, 0, 60), Vector3(0, 0, 1), Vector3(0, 1, 0));
        camera.Follow(c.followed);
        EXPECT_FLOAT_EQ(camera.eye.z, c.height);
        EXPECT_EQ(camera.eye.x, c.followed.x);
        EXPECT_EQ(camera.eye.y, c.followed.y);
        EXPECT_TRUE(camera.centre == Vector3(c.followed.x, c.followed.y, 0));
        EXPECT_TRUE(camera.up == Vector3(0, 1, 0)); // Follow never turns the view
    }
}

// Seen from 20 units up through 45 degrees, the view reaches 20 tan 22.5 = 8.28 units from the
// centre to the top edge: 36.2 pixels a unit in a window 600 high.
TEST(Camera, MarkOutOfViewTable) {
    const struct {
        const char* what;
        Vector2 followed, target;
        int width, height;
        bool out;
        EdgeMark mark;
    } rows[] = {
        {"in view", {0, 0}, {5, 5}, 800, 600, false, {}},
        {"to the right", {0, 0}, {30, 0}, 800, 600, true, {790, 300, 1, 0}},
        {"below: the plane's -y is down the window",
         {0, 0},
         {0, -30},
         800,
         600,
         true,
         {400, 590, 0, 1}},
        {"up and left: the top edge is met first",
         {0, 0},
         {-30, 30},
         800,
         600,
         true,
         {110, 10, -0.70711f, -0.70711f}},
        {"past the side of a narrow window", {0, 0}, {9, 0}, 400, 600, true, {390, 300, 1, 0}},
        // From 490 the camera is at its highest, 70: 29 units to the top, 38.7 to the side.
        {"across the wrap, in view", {490, 0}, {-495, 0}, 800, 600, false, {}},
        {"across the wrap, to the right", {490, 0}, {-450, 0}, 800, 600, true, {790, 300, 1, 0}},
        {"no room inside the inset", {0, 0}, {30, 0}, 20, 20, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Camera view;
        view.Set(Vector3(0, 0, 60), Vector3(0, 0, 1), Vector3(0, 1, 0));
        view.Follow(row.followed);
        EdgeMark mark;
        ASSERT_EQ(MarkOutOfView(view, row.target, row.width, row.height, 10, mark), row.out);
        if (!row.out)
            continue;
        EXPECT_NEAR(mark.x, row.mark.x, 0.5f);
        EXPECT_NEAR(mark.y, row.mark.y, 0.5f);
        EXPECT_NEAR(mark.dirX, row.mark.dirX, 1e-4f);
        EXPECT_NEAR(mark.dirY, row.mark.dirY, 1e-4f);
    }
}
