// SPDX-License-Identifier: MIT
// The display's count and its lines.
#include "HudText.h"

#include "Formatted.h"
#include "Scenario.h"

#include <cinttypes>
#include <cstdio>

std::string SecondsText(uint64_t milliseconds) {
    char text[40];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%u s", milliseconds / 1000,
                  unsigned(milliseconds % 1000 / 100));
    return text;
}

void CountHudFrame(HudCount& count, uint32_t wallTick) {
    if (count.framesThisSecond < 0) {
        count.secondStartTick = wallTick;
        count.framesThisSecond = 0;
        return;
    }
    ++count.framesThisSecond;
    uint32_t passed = wallTick - count.secondStartTick;
    if (passed >= 1000) {
        count.framesPerSecond = int(count.framesThisSecond * 1000.0 / passed + 0.5);
        count.framesThisSecond = 0;
        count.secondStartTick = wallTick;
    }
}

std::string AllDownLine(const ChaseClock& chase) {
    return "All " + std::to_string(ScenarioChasers()) + " chasers down in " +
           ExactSecondsText(chase.milliseconds) + " s";
}

std::vector<std::string> HudLines(const HudCount& count, const ChaseClock& chase,
                                  size_t chasersLeft) {
    std::string chasers = chase.over ? AllDownLine(chase)
                                     : std::to_string(chasersLeft) +
                                           (chasersLeft == 1 ? " chaser left" : " chasers left");
    std::string fps =
        count.framesPerSecond < 0 ? "-- fps" : std::to_string(count.framesPerSecond) + " fps";
    return {chasers, "Time " + SecondsText(chase.milliseconds), fps};
}

std::vector<unsigned char> TextPicture(const std::vector<unsigned char>& text,
                                       const std::vector<unsigned char>& shadow,
                                       unsigned char backdrop) {
    std::vector<unsigned char> rgba(text.size() * 4);
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned a = text[i], s = shadow[i];
        unsigned black = s + backdrop * (255 - s) / 255;
        unsigned covered = a + black * (255 - a) / 255;
        // The colour is the text's share of what covers the pixel.
        unsigned char grey = covered ? (unsigned char)(255 * a / covered) : 0;
        rgba[i * 4] = rgba[i * 4 + 1] = rgba[i * 4 + 2] = grey;
        rgba[i * 4 + 3] = (unsigned char)covered;
    }
    return rgba;
}
