// SPDX-License-Identifier: MIT
// The heads-up display's GL: its text as one texture, drawn over the finished scene.
#pragma once

#include "Camera.h"

#include <vector>

// Uploads `rgba` (width * height pixels, R, G, B, A, rows from top to bottom) into `texture`, or
// into a new texture when `texture` is 0 or no longer names one (a lost context). The texture's
// name, or 0 on failure.
unsigned UploadHudTexture(unsigned texture, int width, int height,
                          const std::vector<unsigned char>& rgba);

// Where a texture goes in the viewport, in window pixels.
struct HudPlacement {
    // From 0 (the left or top edge) to 1 (the right or bottom edge): 0.5 centres.
    float alignX = 0, alignY = 0;
    int margin = 8; // kept at least this far in from the viewport's edges
    float scale = 1; // below 1: drawn that much smaller, smoothed
    int down = 0;    // pixels further down than the alignment puts it
    float red = 1, green = 1, blue = 1; // the text's colour: white unless tinted
};

// Draws the texture's width x height pixels, one texel a pixel (times `place.scale`), at `place`,
// blended over the frame in one pass. Every GL state it changes (enables, blending, texture, colour, matrices) is
// as it was afterwards.
void DrawHudTexture(unsigned texture, int width, int height, const HudPlacement& place);

void DeleteHudTexture(unsigned texture);

// The viewport's size in pixels, as the display's pass draws into it.
void ViewportSize(int& width, int& height);

// How a mark at the window's edge looks: an arrowhead `length` pixels long and `width` wide at its
// base, of `colour` (red, green, blue, opacity), within a black rim `rim` pixels wide (0: none).
struct EdgeMarkLook {
    float length, width;
    float colour[4];
    float rim = 0;
};

// The arrowhead of `look`, its tip at the mark and pointing its way, blended over the frame (its
// rim reaches `rim` past the tip). Every GL state it changes is as it was afterwards.
void DrawEdgeMark(const EdgeMark& mark, const EdgeMarkLook& look);
