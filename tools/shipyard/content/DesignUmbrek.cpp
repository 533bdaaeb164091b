// SPDX-License-Identifier: MIT
// "Umbrek", the ring chaser: a faceted violet crystal core inside a glowing ring, held by four
// struts.
#include "ShipDesigns.h"

#include <cmath>

namespace {

const char* const Name = "Umbrek";
constexpr float Pi = 3.14159265f;
constexpr float RingRadius = 1.12f;
const Vector3 RingCentre(-0.1f, 0, 0);

TextureMapping CoreMapping() {
    TextureMapping m;
    m.low = {-1.1f, -0.4f, -0.3f};
    m.high = {1.5f, 0.4f, 0.3f};
    m.plan = {0, 0, 1, 0.5f};
    m.side = {0, 0.5f, 1, 0.75f};
    return m;
}

void Core(MeshBuilder& b) {
    struct Station {
        float x, halfWidth, halfHeight;
    };
    const Station stations[] = {{1.45f, 0, 0},
                                {1.0f, 0.15f, 0.12f},
                                {0.3f, 0.3f, 0.24f},
                                {-0.45f, 0.27f, 0.21f},
                                {-0.95f, 0.16f, 0.13f}};
    std::vector<Ring> rings;
    for (const Station& s : stations)
        rings.push_back(CrossSection(s.x, 0, EllipseProfile(s.halfWidth, s.halfHeight, 6)));
    AddLoft(b, rings);
}

std::vector<Vector3> RingPath(int points) {
    std::vector<Vector3> path;
    for (int i = 0; i < points; ++i) {
        float a = 2 * Pi * i / points;
        path.push_back(RingCentre + Vector3(RingRadius * std::cos(a), RingRadius * std::sin(a), 0));
    }
    return path;
}

void HaloRing(MeshBuilder& b) {
    std::vector<Vector3> path = RingPath(24);
    std::vector<Vector2> radii(path.size(), Vector2(0.15f, 0.09f));
    AddLoft(b, Sweep(path, radii, EllipseProfile(1, 1, 8, Pi / 8), true), true);
}

void Struts(MeshBuilder& b) {
    for (float degrees : {50.0f, 130.0f}) {
        float a = degrees * Pi / 180;
        Vector3 out(std::cos(a), std::sin(a), 0);
        std::vector<Vector3> path = {RingCentre + out * 0.15f, RingCentre + out * 0.6f,
                                     RingCentre + out * (RingRadius - 0.02f)};
        std::vector<Vector2> radii = {{0.07f, 0.06f}, {0.05f, 0.04f}, {0.06f, 0.05f}};
        AddMirroredLoft(b, Sweep(path, radii, EllipseProfile(1, 1, 4), false));
    }
}

void Beacons(MeshBuilder& b) {
    for (float degrees : {0.0f, 90.0f, 180.0f, 270.0f}) {
        float a = degrees * Pi / 180;
        Vector3 at = RingCentre + Vector3(RingRadius * std::cos(a), RingRadius * std::sin(a), 0);
        std::vector<Ring> rings;
        const float zs[] = {0.05f, 0.14f, 0.21f}, radii[] = {0.09f, 0.08f, 0};
        for (int i = 0; i < 3; ++i)
            rings.push_back(PlaceProfile(at + Vector3(0, 0, zs[i]), {1, 0, 0}, {0, 1, 0},
                                         EllipseProfile(radii[i], radii[i], 6)));
        AddLoft(b, rings);
    }
}

Picture PaintHull(const TextureMapping& m) {
    const Colour violet{0.5f, 0.25f, 0.85f}, deep{0.18f, 0.07f, 0.35f};
    const Colour silver{0.8f, 0.8f, 0.9f}, magenta{1, 0.3f, 0.9f}, orange{1, 0.6f, 0.15f};
    Canvas c = MakeCanvas(256, 256, violet);
    auto at = [&](float x, float y) { return PlanPixel(c, m, x, y); };
    // Core, plan and sides: silver facet seams and an orange sigil.
    for (float x : {1.0f, 0.3f, -0.45f}) {
        Vector2 p0 = at(x, -0.4f), p1 = at(x, 0.4f);
        DrawLine(c, p0, p1, 2, silver);
    }
    for (float y : {-0.14f, 0.14f})
        DrawLine(c, at(1.45f, 0), at(-0.95f, y * 1.5f), 1.5f, silver, 0.8f);
    FillPolygon(c, PlanPolygon(c, m, {{0.75f, 0}, {0.5f, 0.1f}, {0.25f, 0}, {0.5f, -0.1f}}),
                orange);
    Vector2 eye = at(0.5f, 0);
    FillDisc(c, eye.x, eye.y, 3, {1, 1, 0.8f});
    for (int i = 0; i < 10; ++i) {
        Vector2 p = SidePixel(c, m, -0.8f + 0.2f * i, 0.0f, true);
        FillRect(c, p.x - 3, p.y - 2, p.x + 3, p.y + 2, magenta);
    }
    // The ring's band (rows 192 up, round the section from its inner edge, over the top at
    // row 204): dark plating, a bright seam along the top and outer edge, lights in pairs.
    FillRect(c, 0, 192, 256, 256, deep);
    FillRect(c, 0, 203, 256, 213, Mix(violet, silver, 0.5f));
    for (int i = 0; i < 8; ++i) {
        float x = 16 + 32 * i;
        FillDisc(c, x - 5, 208, 3, magenta);
        FillDisc(c, x + 5, 208, 3, magenta);
        AddGlow(c, x, 208, 14, Scaled(magenta, 0.5f));
        DrawLine(c, {x + 16, 194}, {x + 16, 254}, 1.5f, Scaled(deep, 0.5f));
    }
    AddGrime(c, 41, 0.08f, 0, 0, 256, 256);
    return ToPicture(c, 4);
}

} // namespace

ShipAsset MakeUmbrek() {
    MeshBuilder b;
    TextureMapping core = CoreMapping();
    int hull = AddMaterial(b, Paint("Umbrek hull", {0.95f, 0.9f, 1}, 0.8f, 70, {0.05f, 0, 0.08f},
                                    TextureFileOf(Name)));
    int light = AddMaterial(b, Paint("beacons", {0.9f, 0.4f, 1}, 0.5f, 50, {0.7f, 0.2f, 0.8f}));
    BeginGroup(b, "core", hull);
    b.brush.mapping = core;
    b.brush.smooth = false;
    Core(b);
    Struts(b);
    BeginGroup(b, "ring", hull);
    b.brush.smooth = true;
    b.brush.creaseDegrees = 50;
    b.brush.mapping.wrapLength = 2 * Pi * RingRadius / 8;
    b.brush.mapping.wrapT0 = 0.75f;
    b.brush.mapping.wrapT1 = 1;
    HaloRing(b);
    BeginGroup(b, "beacons", light);
    b.brush.mapping = core;
    Beacons(b);

    ShipAsset a;
    a.name = Name;
    a.model = FinishModel(b);
    a.texture = PaintHull(core);
    a.textureForm = TgaForm::Uncompressed;
    return a;
}
