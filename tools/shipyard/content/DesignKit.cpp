// SPDX-License-Identifier: MIT
// Helpers shared by the default ship designs: materials and plan-to-texture placement.
#include "ShipDesigns.h"

namespace {

float Lerp(float a, float b, float f) {
    return a + (b - a) * f;
}
float Fraction(float v, float low, float high) {
    return (v - low) / (high - low);
}

} // namespace

std::string TextureFileOf(const std::string& shipName) {
    return ".\\" + shipName + ".tga";
}

Ms3dMaterial Paint(const char* name, Colour colour, float specular, float shininess, Colour glow,
                   const std::string& textureFile) {
    Ms3dMaterial m;
    m.name = name;
    float rgb[3] = {colour.r, colour.g, colour.b}, light[3] = {glow.r, glow.g, glow.b};
    for (int i = 0; i < 3; ++i) {
        m.ambient[i] = rgb[i];
        m.diffuse[i] = rgb[i];
        m.specular[i] = specular;
        m.emissive[i] = light[i];
    }
    m.ambient[3] = m.diffuse[3] = m.specular[3] = m.emissive[3] = 1;
    m.shininess = shininess;
    m.textureFile = textureFile;
    return m;
}

Vector2 PlanPixel(const Canvas& c, const TextureMapping& m, float x, float y) {
    float s = Lerp(m.plan.s0, m.plan.s1, Fraction(x, m.low.x, m.high.x));
    float t = Lerp(m.plan.t0, m.plan.t1, Fraction(y, m.low.y, m.high.y));
    return {s * c.width, t * c.height};
}

Vector2 SidePixel(const Canvas& c, const TextureMapping& m, float along, float z, bool alongX) {
    float f = alongX ? Fraction(along, m.low.x, m.high.x) : Fraction(along, m.low.y, m.high.y);
    float s = Lerp(m.side.s0, m.side.s1, f);
    float t = Lerp(m.side.t0, m.side.t1, Fraction(z, m.low.z, m.high.z));
    return {s * c.width, t * c.height};
}

std::vector<Vector2> PlanPolygon(const Canvas& c, const TextureMapping& m,
                                 const std::vector<Vector2>& plan) {
    std::vector<Vector2> out;
    for (Vector2 p : plan)
        out.push_back(PlanPixel(c, m, p.x, p.y));
    return out;
}
