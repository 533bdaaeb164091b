// SPDX-License-Identifier: MIT
// The display's count and its lines.
#include "HudText.h"

#include "Formatted.h"
#include "Scenario.h"

#include <algorithm>
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

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& at) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t end; (end = text.find(at, start)) != std::string::npos; start = end + at.size())
        pieces.push_back(text.substr(start, end - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

// Appends `pieces` joined by `joint` to `out`, as many to a line as fit `width`; with `words`
// set, a piece too wide alone is filled again by its words.
void Fill(const std::vector<std::string>& pieces, const std::string& joint, int width,
          const TextWidth& measure, bool words, std::vector<std::string>& out) {
    std::string line;
    bool open = false; // `line` holds a piece
    for (const std::string& piece : pieces) {
        if (open && measure(line + joint + piece) <= width) {
            line += joint + piece;
            continue;
        }
        if (open)
            out.push_back(line);
        open = true;
        line = piece;
        if (words && measure(piece) > width) { // its last line takes the next pieces that fit
            Fill(Split(piece, " "), " ", width, measure, false, out);
            line = out.back();
            out.pop_back();
        }
    }
    if (open)
        out.push_back(line);
}

} // namespace

std::vector<std::string> FitLines(const std::vector<std::string>& lines, int width,
                                  const TextWidth& measure) {
    std::vector<std::string> fitted;
    for (const std::string& line : lines)
        if (measure(line) <= width)
            fitted.push_back(line);
        else
            Fill(Split(line, HintSeparator), HintSeparator, width, measure, true, fitted);
    return fitted;
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

float FitScale(int width, int height, int viewWidth, int viewHeight, int margin) {
    const int roomWidth = std::max(0, viewWidth - 2 * margin);
    const int roomHeight = std::max(0, viewHeight - 2 * margin);
    float scale = 1;
    if (width > roomWidth)
        scale = std::min(scale, float(roomWidth) / float(width));
    if (height > roomHeight)
        scale = std::min(scale, float(roomHeight) / float(height));
    return scale;
}
