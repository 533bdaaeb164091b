// SPDX-License-Identifier: MIT
// The heads-up display's GL: its text as one texture, drawn over the finished scene.
#pragma once

#include <vector>

// Uploads `rgba` (width * height pixels, R, G, B, A, rows from top to bottom) into `texture`, or
// into a new texture when `texture` is 0 or no longer names one (a lost context). The texture's
// name, or 0 on failure.
unsigned UploadHudTexture(unsigned texture, int width, int height,
                          const std::vector<unsigned char>& rgba);

// Draws the texture's width x height pixels, one texel a pixel, with its top left corner
// `margin` pixels in from the viewport's top left corner, blended over the frame. Every GL
// state it changes (enables, blending, texture, colour, matrices) is as it was afterwards.
void DrawHudTexture(unsigned texture, int width, int height, int margin);

void DeleteHudTexture(unsigned texture);
