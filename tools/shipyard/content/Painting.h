// SPDX-License-Identifier: MIT
// Procedural painting for the default textures: shapes with soft edges, glows and a fixed-seed
// noise, on a float canvas that becomes a TGA picture.
#pragma once

#include "TgaWriter.h"
#include "Vector.h"

#include <cstdint>
#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0;
};

// Pixel coordinates: x along a row, y across rows (row 0 is sampled at t = 0); pixel (i, j)
// covers [i, i + 1) x [j, j + 1).
struct Canvas {
    int width = 0, height = 0;
    std::vector<Colour> pixels;
};

Canvas MakeCanvas(int width, int height, Colour fill);
// Clamps each channel to 0..1; a fourth byte of 255 when bytesPerPixel is 4.
Picture ToPicture(const Canvas& canvas, uint32_t bytesPerPixel);

// Each shape covers part of a pixel at its edges and mixes its colour in by that coverage times
// `alpha`.
void FillRect(Canvas& c, float x0, float y0, float x1, float y1, Colour colour, float alpha = 1);
void FillPolygon(Canvas& c, const std::vector<Vector2>& points, Colour colour, float alpha = 1);
void FillDisc(Canvas& c, float cx, float cy, float radius, Colour colour, float alpha = 1);
void DrawLine(Canvas& c, Vector2 a, Vector2 b, float width, Colour colour, float alpha = 1);
// Adds light that falls off smoothly to nothing at `radius`.
void AddGlow(Canvas& c, float cx, float cy, float radius, Colour colour);
// Multiplies each pixel of the rectangle by 1 +- amount, from fine grain and larger blotches.
void AddGrime(Canvas& c, uint32_t seed, float amount, float x0, float y0, float x1, float y1);

// A deterministic hash of three numbers to 0..1, for placing details.
float Hash01(uint32_t a, uint32_t b, uint32_t seed);
Colour Mix(Colour a, Colour b, float f);
Colour Scaled(Colour c, float f);
