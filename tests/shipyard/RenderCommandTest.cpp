// SPDX-License-Identifier: MIT
// The built `shipyard render` with no display at all (it draws offscreen): the PNG, decoded by
// ImageMagick, shows the model the right way round from above and again at an angle, or with
// --size as one square view on a transparent background.
#include "Ms3dBuilder.h"
#include "ShipyardRun.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 1024, Height = 512, ViewSize = 512;

struct Spot {
    double column = 0, row = 0; // mean position, in pixels from the top left
    int count = 0;
};

// Where pixels of exactly `rgb` lie in the view starting at column `left`.
Spot Find(const std::string& pixels, int left, unsigned char r, unsigned char g, unsigned char b) {
    Spot spot;
    for (int y = 0; y < Height; ++y)
        for (int x = left; x < left + ViewSize; ++x) {
            const auto* p =
                reinterpret_cast<const unsigned char*>(&pixels[size_t(y * Width + x) * 3]);
            if (p[0] == r && p[1] == g && p[2] == b)
                spot.column += x, spot.row += y, ++spot.count;
        }
    if (spot.count > 0)
        spot.column /= spot.count, spot.row /= spot.count;
    return spot;
}

// A red plate toward +x and a green plate toward +y, both glowing so that they show their colour
// exactly whatever the light.
std::string WritePlates() {
    Ms3dFile f;
    AddSquare(f, 2, -1, 6, 1, 0, 0);
    AddSquare(f, -1, 2, 1, 6, 0, 1);
    f.materials.resize(2);
    for (Ms3dFileMaterial& m : f.materials)
        for (float* colour : {m.ambient, m.diffuse, m.specular})
            colour[0] = colour[1] = colour[2] = 0;
    f.materials[0].emissive[0] = 1;
    f.materials[1].emissive[1] = 1;
    return WriteScratchFile("render_plates.ms3d", WriteMs3dFile(f));
}

TEST(ShipyardRender, DrawsTheModelFromAboveAndAtAnAngle) {
    const std::string png = testing::TempDir() + "render_plates.png";
    const std::string raw = testing::TempDir() + "render_plates.rgb";
    std::remove(png.c_str());
    const ShipyardRun run = RunShipyard(
        "render " + ShellQuoted(WritePlates()) + " " + ShellQuoted(png), "env -u DISPLAY");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string convert =
        "/usr/bin/convert " + ShellQuoted(png) + " -depth 8 rgb:" + ShellQuoted(raw);
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::string pixels = ReadWholeFile(raw);
    ASSERT_EQ(pixels.size(), size_t(Width * Height * 3)); // so the PNG is 1024 x 512

    // From above: +x to the right, +y up the screen, and the model fills much of the view.
    const Spot red = Find(pixels, 0, 255, 0, 0), green = Find(pixels, 0, 0, 255, 0);
    EXPECT_GT(red.count, ViewSize * ViewSize / 30);
    ASSERT_GT(green.count, 0);
    EXPECT_GT(red.column, green.column + 50);
    EXPECT_GT(red.row, green.row + 50);
    // At an angle: both plates are seen in the right-hand view too.
    EXPECT_GT(Find(pixels, ViewSize, 255, 0, 0).count, 0);
    EXPECT_GT(Find(pixels, ViewSize, 0, 255, 0).count, 0);
}

TEST(ShipyardRender, DrawsASquareIconOnATransparentBackground) {
    const std::string png = testing::TempDir() + "render_icon.png";
    const std::string raw = testing::TempDir() + "render_icon.rgba";
    std::remove(png.c_str());
    const ShipyardRun run =
        RunShipyard("render --size 64 " + ShellQuoted(WritePlates()) + " " + ShellQuoted(png),
                    "env -u DISPLAY");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string convert =
        "/usr/bin/convert " + ShellQuoted(png) + " -depth 8 rgba:" + ShellQuoted(raw);
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::string pixels = ReadWholeFile(raw);
    ASSERT_EQ(pixels.size(), size_t(64 * 64 * 4)); // so the PNG is 64 x 64 with alpha
    int clear = 0, red = 0, green = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        const auto* p = reinterpret_cast<const unsigned char*>(&pixels[i]);
        clear += p[3] == 0;
        red += p[0] == 255 && p[1] == 0 && p[2] == 0 && p[3] == 255;
        green += p[0] == 0 && p[1] == 255 && p[2] == 0 && p[3] == 255;
    }
    EXPECT_EQ(pixels[3], 0); // a corner: the background shows through
    EXPECT_GT(clear, 64 * 64 / 4);
    EXPECT_GT(red, 64 * 64 / 30);
    EXPECT_GT(green, 0);
}

TEST(ShipyardRender, RefusesABadSize) {
    const std::string plates = ShellQuoted(WritePlates());
    const std::string png = ShellQuoted(testing::TempDir() + "render_bad_size.png");
    for (const char* size : {"0", "2049", "12x", "", "-5"}) {
        const ShipyardRun run =
            RunShipyard("render --size " + ShellQuoted(size) + " " + plates + " " + png);
        EXPECT_EQ(run.status, 2) << size;
        EXPECT_EQ(run.err, "shipyard render: --size takes a number of pixels from 1 to 2048\n"
                           "usage: shipyard render [--size N] IN OUT.png\n")
            << size;
    }
}

} // namespace
