// SPDX-License-Identifier: MIT
// What the heads-up display says: a count kept frame by frame and the lines made from it, with
// no SDL or GL.
#pragma once

#include "ChaseClock.h"
#include "KeyLabels.h" // HintSeparator

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Frames per second: the frames of the last whole second of the wall clock (milliseconds).
struct HudCount {
    int framesPerSecond = -1; // -1 until a second has passed
    uint32_t secondStartTick = 0;
    int framesThisSecond = -1; // -1 before the first frame
};

// Counts in a frame that ended at `wallTick`.
void CountHudFrame(HudCount& count, uint32_t wallTick);

// "67.3 s" for 67399 ms: seconds cut, not rounded, to tenths.
std::string SecondsText(uint64_t milliseconds);

// Top to bottom: "7 chasers left" (or, once the chase is over, "All 12 chasers down in 67.3 s"),
// "Time 12.3 s" (the chase's game time), "60 fps" ("-- fps" in the first second).
std::vector<std::string> HudLines(const HudCount& count, const ChaseClock& chase,
                                  size_t chasersLeft);

// "All 12 chasers down in 67.349 s": the chase's time as the records keep it.
std::string AllDownLine(const ChaseClock& chase);

// A line's width in pixels, in the font it is drawn in.
using TextWidth = std::function<int(const std::string&)>;

// The lines laid out for `width` pixels as `measure` gives them: a line that fits stays whole;
// a longer one is filled piece by piece, its pieces being what HintSeparator parts, as many to a
// line as fit; a piece wider than `width` alone is filled word by word (its last line goes on
// with the next pieces that fit), and a word wider than `width` has a line of its own. Every
// piece and word is kept, in order.
std::vector<std::string> FitLines(const std::vector<std::string>& lines, int width,
                                  const TextWidth& measure);

// How much smaller a block of text `width` x `height` pixels is drawn so that it fits whole in a
// viewport of `viewWidth` x `viewHeight` within `margin` on every side: 1 when it fits as it is,
// 0 when no text fits at all.
float FitScale(int width, int height, int viewWidth, int viewHeight, int margin);

// The display's text as RGBA rows that blend over the scene by their alpha: white text over its
// black shadow over a black backdrop, each given as coverage from 0 to 255 a pixel (`backdrop` the
// same everywhere), blended in one pass as the three layers would be one after another.
std::vector<unsigned char> TextPicture(const std::vector<unsigned char>& text,
                                       const std::vector<unsigned char>& shadow,
                                       unsigned char backdrop);
