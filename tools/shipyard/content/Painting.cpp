// SPDX-License-Identifier: MIT
// Procedural painting for the default textures: shapes with soft edges, glows and a fixed-seed
// noise, on a float canvas that becomes a TGA picture.
#include "Painting.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Samples = 4; // per axis, for the coverage of polygons

void Put(Canvas& c, int x, int y, Colour colour, float alpha) {
    if (x < 0 || y < 0 || x >= c.width || y >= c.height || alpha <= 0)
        return;
    Colour& p = c.pixels[size_t(y) * c.width + x];
    p = Mix(p, colour, std::min(alpha, 1.0f));
}

float Clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float Overlap(float a0, float a1, float b0, float b1) {
    return std::max(0.0f, std::min(a1, b1) - std::max(a0, b0));
}

bool Inside(const std::vector<Vector2>& poly, float x, float y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        Vector2 a = poly[i], b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

uint32_t Mix32(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Value noise on a lattice of `cell` pixels, smoothly interpolated.
float Blotch(int x, int y, int cell, uint32_t seed) {
    int cx = x / cell, cy = y / cell;
    float fx = float(x % cell) / cell, fy = float(y % cell) / cell;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float a = Hash01(cx, cy, seed), b = Hash01(cx + 1, cy, seed);
    float d = Hash01(cx, cy + 1, seed), e = Hash01(cx + 1, cy + 1, seed);
    return (a * (1 - fx) + b * fx) * (1 - fy) + (d * (1 - fx) + e * fx) * fy;
}

} // namespace

float Hash01(uint32_t a, uint32_t b, uint32_t seed) {
    uint32_t h = Mix32(a * 0x9E3779B1u ^ Mix32(b * 0x85EBCA77u ^ Mix32(seed + 0x27D4EB2Fu)));
    return float(h >> 8) / float(1 << 24);
}

Colour Mix(Colour a, Colour b, float f) {
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

Colour Scaled(Colour c, float f) {
    return {c.r * f, c.g * f, c.b * f};
}

Canvas MakeCanvas(int width, int height, Colour fill) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.pixels.assign(size_t(width) * height, fill);
    return c;
}

Picture ToPicture(const Canvas& canvas, uint32_t bytesPerPixel) {
    Picture p;
    p.width = uint32_t(canvas.width);
    p.height = uint32_t(canvas.height);
    p.bytesPerPixel = bytesPerPixel;
    for (const Colour& c : canvas.pixels) {
        for (float v : {c.r, c.g, c.b})
            p.pixels.push_back(uint8_t(std::lround(Clamp01(v) * 255)));
        if (bytesPerPixel == 4)
            p.pixels.push_back(255);
    }
    return p;
}

void FillRect(Canvas& c, float x0, float y0, float x1, float y1, Colour colour, float alpha) {
    for (int y = int(std::floor(y0)); y < int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)); x < int(std::ceil(x1)); ++x)
            Put(c, x, y, colour, alpha * Overlap(x, x + 1, x0, x1) * Overlap(y, y + 1, y0, y1));
}

void FillPolygon(Canvas& c, const std::vector<Vector2>& points, Colour colour, float alpha) {
    if (points.size() < 3)
        return;
    float lx = points[0].x, hx = lx, ly = points[0].y, hy = ly;
    for (Vector2 p : points) {
        lx = std::min(lx, p.x), hx = std::max(hx, p.x);
        ly = std::min(ly, p.y), hy = std::max(hy, p.y);
    }
    for (int y = int(std::floor(ly)); y < int(std::ceil(hy)); ++y)
        for (int x = int(std::floor(lx)); x < int(std::ceil(hx)); ++x) {
            int hits = 0;
            for (int i = 0; i < Samples; ++i)
                for (int j = 0; j < Samples; ++j)
                    hits += Inside(points, x + (i + 0.5f) / Samples, y + (j + 0.5f) / Samples);
            Put(c, x, y, colour, alpha * hits / (Samples * Samples));
        }
}

void FillDisc(Canvas& c, float cx, float cy, float radius, Colour colour, float alpha) {
    for (int y = int(std::floor(cy - radius - 1)); y <= int(cy + radius + 1); ++y)
        for (int x = int(std::floor(cx - radius - 1)); x <= int(cx + radius + 1); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            Put(c, x, y, colour, alpha * Clamp01(radius + 0.5f - d));
        }
}

void DrawLine(Canvas& c, Vector2 a, Vector2 b, float width, Colour colour, float alpha) {
    Vector2 ab = b - a;
    float len2 = Dot(ab, ab);
    float reach = width / 2 + 1;
    for (int y = int(std::floor(std::min(a.y, b.y) - reach)); y <= int(std::max(a.y, b.y) + reach);
         ++y)
        for (int x = int(std::floor(std::min(a.x, b.x) - reach));
             x <= int(std::max(a.x, b.x) + reach); ++x) {
            Vector2 p(x + 0.5f, y + 0.5f);
            float f = len2 > 0 ? Clamp01(Dot(p - a, ab) / len2) : 0;
            float d = Length(p - (a + ab * f));
            Put(c, x, y, colour, alpha * Clamp01(width / 2 + 0.5f - d));
        }
}

void AddGlow(Canvas& c, float cx, float cy, float radius, Colour colour) {
    for (int y = int(std::floor(cy - radius)); y <= int(cy + radius); ++y)
        for (int x = int(std::floor(cx - radius)); x <= int(cx + radius); ++x) {
            if (x < 0 || y < 0 || x >= c.width || y >= c.height)
                continue;
            float f = Clamp01(1 - std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius);
            Colour& p = c.pixels[size_t(y) * c.width + x];
            p = {p.r + colour.r * f * f, p.g + colour.g * f * f, p.b + colour.b * f * f};
        }
}

void AddGrime(Canvas& c, uint32_t seed, float amount, float x0, float y0, float x1, float y1) {
    for (int y = std::max(0, int(y0)); y < std::min(c.height, int(std::ceil(y1))); ++y)
        for (int x = std::max(0, int(x0)); x < std::min(c.width, int(std::ceil(x1))); ++x) {
            float n = 0.35f * Hash01(x, y, seed) + 0.65f * Blotch(x, y, 16, seed + 1);
            Colour& p = c.pixels[size_t(y) * c.width + x];
            p = Scaled(p, 1 + amount * (2 * n - 1));
        }
}
