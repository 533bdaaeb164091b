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
