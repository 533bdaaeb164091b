// SPDX-License-Identifier: MIT
// The heads-up display's lines from its frame-by-frame count and the chase's clock: known texts
// for known games.
#include "HudText.h"

#include <gtest/gtest.h>

namespace {

// One pixel a character, the separator's dot one too.
int Characters(const std::string& text) {
    int count = 0;
    for (unsigned char c : text)
        count += (c & 0xc0) != 0x80;
    return count;
}

std::vector<std::string> LinesAfter(const std::vector<uint32_t>& wallTicks, ChaseClock chase,
                                    size_t chasersLeft) {
    HudCount count;
    for (uint32_t tick : wallTicks)
        CountHudFrame(count, tick);
    return HudLines(count, chase, chasersLeft);
}

} // namespace

TEST(HudText, Table) {
    using Lines = std::vector<std::string>;
    std::vector<uint32_t> second; // 61 frames of 16 ms: the first starts the clock, 60 in 960 ms
    for (uint32_t i = 0; i <= 60; ++i)
        second.push_back(1000 + 16 * i);
    second.push_back(2000); // 61 frames in the second that has now passed
    const struct {
        const char* what;
        std::vector<uint32_t> ticks;
        ChaseClock chase;
        size_t chasersLeft;
        Lines lines;
    } rows[] = {
        {"first frame", {500}, {0, false}, 12, {"12 chasers left", "Time 0.0 s", "-- fps"}},
        {"tenths are cut, not rounded",
         {0, 1},
         {1999, false},
         12,
         {"12 chasers left", "Time 1.9 s", "-- fps"}},
        {"one left", {0, 1}, {10, false}, 1, {"1 chaser left", "Time 0.0 s", "-- fps"}},
        {"a whole second of frames",
         second,
         {1000, false},
         12,
         {"12 chasers left", "Time 1.0 s", "61 fps"}},
        {"a second not yet whole",
         {0, 999},
         {1000, false},
         12,
         {"12 chasers left", "Time 1.0 s", "-- fps"}},
        {"the chase over: the scenario's count and its time",
         {0},
         {67449, true},
         0,
         {"All 12 chasers down in 67.449 s", "Time 67.4 s", "-- fps"}},
        {"none left but not over yet",
         {0},
         {100, false},
         0,
         {"0 chasers left", "Time 0.1 s", "-- fps"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LinesAfter(row.ticks, row.chase, row.chasersLeft), row.lines) << row.what;
}

TEST(HudText, TextPictureLayersTextShadowAndBackdropInOnePass) {
    using Pixel = std::vector<unsigned char>;
    const struct {
        const char* what;
        unsigned char text, shadow, backdrop;
        Pixel rgba;
    } rows[] = {
        {"nothing", 0, 0, 0, {0, 0, 0, 0}},
        {"text alone", 255, 0, 0, {255, 255, 255, 255}},
        {"half-covered text is white, half opaque", 128, 0, 0, {255, 255, 255, 128}},
        {"text half over its shadow: grey", 128, 255, 0, {128, 128, 128, 255}},
        {"shadow alone", 0, 255, 0, {0, 0, 0, 255}},
        {"backdrop alone", 0, 0, 128, {0, 0, 0, 128}},
        // Over white, 170 * 191 / 255 + 255 - 191 = 191: the backdrop darkens white to 127,
        // then half the text brings it to 128 + 127 / 2.
        {"half text over half backdrop", 128, 0, 128, {170, 170, 170, 191}},
        {"whole text hides the backdrop", 255, 0, 128, {255, 255, 255, 255}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TextPicture({row.text}, {row.shadow}, row.backdrop), row.rgba) << row.what;
    EXPECT_EQ(TextPicture({0, 255}, {0, 0}, 0), (Pixel{0, 0, 0, 0, 255, 255, 255, 255}))
        << "pixels in order";
}

TEST(HudText, FitLinesTable) {
    using Lines = std::vector<std::string>;
    const std::string hints = "Up: thrust \u00b7 Space: fire \u00b7 Escape: quit"; // 39 wide
    const struct {
        Lines lines;
        int width;
        Lines fitted;
    } rows[] = {
        {{hints}, 39, {hints}},
        {{hints}, 38, {"Up: thrust \u00b7 Space: fire", "Escape: quit"}},
        {{hints}, 23, {"Up: thrust", "Space: fire", "Escape: quit"}},
        {{hints}, 11, {"Up: thrust", "Space: fire", "Escape:", "quit"}},      // at its blank
        {{hints}, 5, {"Up:", "thrust", "Space:", "fire", "Escape:", "quit"}}, // words too wide
        {{"Escape: quit now \u00b7 R: go"}, 14, {"Escape: quit", "now \u00b7 R: go"}},
        {{"All 12 chasers down in 67.4 s"}, 12, {"All 12", "chasers down", "in 67.4 s"}},
        {{"Best 61.2 s", hints},
         24,
         {"Best 61.2 s", "Up: thrust \u00b7 Space: fire", "Escape: quit"}},
        {{}, 10, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FitLines(row.lines, row.width, Characters), row.fitted) << row.width;
}

// A block too large for the window is drawn smaller, whole: the keys panel in a 320x240 window.
TEST(HudText, FitScale) {
    const struct {
        int width, height, viewWidth, viewHeight, margin;
        float scale;
    } rows[] = {
        {400, 300, 1024, 768, 12, 1.0f},  // fits: as it is
        {400, 432, 320, 240, 12, 0.5f},   // twice as tall as the room
        {592, 100, 320, 240, 12, 0.5f},   // twice as wide
        {296, 216, 320, 240, 12, 1.0f},   // exactly the room
        {100, 100, 20, 20, 12, 0.0f},     // no room at all
    };
    for (const auto& row : rows)
        EXPECT_FLOAT_EQ(FitScale(row.width, row.height, row.viewWidth, row.viewHeight, row.margin),
                        row.scale)
            << row.width << "x" << row.height << " in " << row.viewWidth << "x" << row.viewHeight;
}
