// SPDX-License-Identifier: MIT
// "Maradyne", the heavy chaser: a broad, flat crimson manta with forward horns, a raised bridge
// and two orange engine slots.
#include "ShipDesigns.h"

namespace {

const char* const Name = "Maradyne";

TextureMapping HullMapping() {
    TextureMapping m;
    m.low = {-1.7f, -1.8f, -0.3f};
    m.high = {1.9f, 1.8f, 0.5f};
    m.plan = {0, 0, 1, 0.75f};
    m.side = {0, 0.75f, 1, 1};
    return m;
}

struct Station {
    float x, halfWidth, top, bottom;
};
const Station WingStations[] = {{1.3f, 0, 0, 0},
                                {1.0f, 0.45f, 0.1f, 0.07f},
                                {0.5f, 0.9f, 0.17f, 0.1f},
                                {-0.2f, 1.35f, 0.22f, 0.13f},
                                {-0.8f, 1.68f, 0.2f, 0.12f},
                                {-1.0f, 1.6f, 0.18f, 0.11f},
                                {-1.12f, 0.62f, 0.15f, 0.1f},
                                {-1.5f, 0.4f, 0.12f, 0.09f}};

void Wing(MeshBuilder& b) {
    std::vector<Ring> rings;
    for (const Station& s : WingStations)
        rings.push_back(CrossSection(s.x, 0, LensProfile(s.halfWidth, s.top, s.bottom, 3)));
    AddLoft(b, rings);
}

// The manta's head lobes: flat blades reaching straight forward.
const std::vector<Vector3> HornPath = {
    {0.7f, 0.55f, 0}, {1.15f, 0.62f, 0.01f}, {1.55f, 0.5f, 0.02f}, {1.8f, 0.3f, 0.02f}};

void Horns(MeshBuilder& b) {
    const std::vector<Vector2> radii = {{0.2f, 0.08f}, {0.16f, 0.06f}, {0.1f, 0.045f}, {0, 0}};
    AddMirroredLoft(b, Sweep(HornPath, radii, LensProfile(1, 1, 1, 2), false));
}

void Bridge(MeshBuilder& b) {
    const Station stations[] = {{0.75f, 0, 0, 0},
                                {0.5f, 0.14f, 0.1f, 0.02f},
                                {0.0f, 0.26f, 0.2f, 0.05f},
                                {-0.7f, 0.3f, 0.24f, 0.05f},
                                {-1.3f, 0.22f, 0.16f, 0.05f},
                                {-1.55f, 0, 0, 0}};
    std::vector<Ring> rings;
    for (const Station& s : stations)
        rings.push_back(CrossSection(s.x, 0.12f, LensProfile(s.halfWidth, s.top, s.bottom, 2)));
    AddLoft(b, rings);
}

void Windows(MeshBuilder& b) {
    std::vector<Ring> rings;
    const float xs[] = {0.42f, 0.3f, 0.05f, -0.1f}, widths[] = {0, 0.1f, 0.17f, 0};
    for (int i = 0; i < 4; ++i)
        rings.push_back(
            CrossSection(xs[i], 0.24f, EllipseProfile(widths[i], widths[i] * 0.45f, 6)));
    AddLoft(b, rings);
}

void EngineSlots(MeshBuilder& b) {
    // Set into the trailing edge, glowing just behind it.
    Profile slot = {{0.2f, 0.045f}, {-0.2f, 0.045f}, {-0.2f, -0.035f}, {0.2f, -0.035f}};
    std::vector<Ring> rings;
    for (float x : {-0.95f, -1.1f})
        rings.push_back(PlaceProfile({x, 1.0f, 0.01f}, {0, 1, 0}, {0, 0, 1}, slot));
    AddMirroredLoft(b, rings);
}

// The bridge: grey plating with ribs; the keel dark.
void PaintBridge(Canvas& c, const TextureMapping& m, Colour grey, Colour dark) {
    auto at = [&](float x, float y) { return PlanPixel(c, m, x, y); };
    FillPolygon(c,
                PlanPolygon(c, m,
                            {{0.75f, 0},
                             {0.0f, 0.26f},
                             {-0.7f, 0.3f},
                             {-1.55f, 0},
                             {-0.7f, -0.3f},
                             {0.0f, -0.26f}}),
                grey);
    for (int i = 0; i < 6; ++i) {
        float x = -0.15f - 0.2f * i;
        DrawLine(c, at(x, -0.22f), at(x, 0.22f), 1.5f, dark);
    }
    Vector2 keel0 = SidePixel(c, m, -1.7f, -0.3f, true), keel1 = SidePixel(c, m, 1.9f, 0, true);
    FillRect(c, keel0.x, keel0.y, keel1.x, keel1.y, dark);
}

Picture PaintHull(const TextureMapping& m) {
    const Colour crimson{0.78f, 0.1f, 0.12f}, dark{0.35f, 0.04f, 0.06f};
    const Colour yellow{1, 0.8f, 0.1f}, grey{0.3f, 0.28f, 0.3f};
    Canvas c = MakeCanvas(256, 256, crimson);
    auto at = [&](float x, float y) { return PlanPixel(c, m, x, y); };
    auto poly = [&](std::vector<Vector2> p, Colour k) { FillPolygon(c, PlanPolygon(c, m, p), k); };
    for (float side : {1.0f, -1.0f}) {
        // Armour plates: seams following the leading edge and across the wing.
        for (float f : {0.35f, 0.6f, 0.85f})
            DrawLine(c, at(1.1f - 1.9f * f, side * 0.2f), at(1.1f - 1.9f * f - 0.3f, side * 1.7f),
                     1.2f, dark);
        for (float y : {0.55f, 1.0f, 1.4f})
            DrawLine(c, at(1.1f - 1.35f * y, side * y), at(-1.1f, side * y), 1.2f, dark);
        // Yellow hazard chevrons near the tips and a dark leading-edge band.
        for (int i = 0; i < 3; ++i) {
            float x = -0.35f - 0.18f * i;
            poly({{x, side * 1.05f},
                  {x - 0.1f, side * 1.2f},
                  {x, side * 1.35f},
                  {x - 0.07f, side * 1.35f},
                  {x - 0.17f, side * 1.2f},
                  {x - 0.07f, side * 1.05f}},
                 yellow);
        }
        poly({{1.3f, side * 0.0f},
              {-0.8f, side * 1.72f},
              {-0.85f, side * 1.55f},
              {1.05f, side * 0.0f}},
             dark);
        // Red-orange running lights along the trailing edge.
        for (int i = 0; i < 4; ++i) {
            Vector2 p = at(-1.02f, side * (0.8f + 0.22f * i));
            FillDisc(c, p.x, p.y, 2.5f, {1, 0.6f, 0.2f});
        }
        // Horn blades dark with a yellow tip.
        for (size_t i = 0; i + 1 < HornPath.size(); ++i)
            DrawLine(c, at(HornPath[i].x, side * HornPath[i].y),
                     at(HornPath[i + 1].x, side * HornPath[i + 1].y), 12 - 3.0f * i, dark);
        Vector2 hornTip = at(1.55f, side * 0.45f);
        FillDisc(c, hornTip.x, hornTip.y, 3, yellow);
    }
    PaintBridge(c, m, grey, dark);
    AddGrime(c, 37, 0.1f, 0, 0, 256, 256);
    return ToPicture(c, 3);
}

} // namespace

ShipAsset MakeMaradyne() {
    MeshBuilder b;
    TextureMapping m = HullMapping();
    int hull = AddMaterial(
        b, Paint("Maradyne armour", {1, 0.9f, 0.9f}, 0.6f, 50, {}, TextureFileOf(Name)));
    int glass =
        AddMaterial(b, Paint("bridge windows", {0.9f, 0.5f, 0.1f}, 1, 90, {0.7f, 0.35f, 0.05f}));
    int jet = AddMaterial(b, Paint("engine slots", {1, 0.5f, 0.1f}, 0, 0, {1, 0.55f, 0.1f}));
    b.brush.mapping = m;
    BeginGroup(b, "hull", hull);
    b.brush.creaseDegrees = 40;
    Wing(b);
    Horns(b);
    Bridge(b);
    BeginGroup(b, "windows", glass);
    Windows(b);
    BeginGroup(b, "engines", jet);
    b.brush.smooth = false;
    EngineSlots(b);

    ShipAsset a;
    a.name = Name;
    a.model = FinishModel(b);
    a.texture = PaintHull(m);
    a.textureForm = TgaForm::Uncompressed;
    return a;
}
