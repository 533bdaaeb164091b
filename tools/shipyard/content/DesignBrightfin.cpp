// SPDX-License-Identifier: MIT
// "brightfin", the player's ship: a white arrowhead fighter with cranked delta wings, twin
// engines and two canted gold fins.
#include "ShipDesigns.h"

namespace {

const char* const Name = "brightfin";

TextureMapping HullMapping() {
    TextureMapping m;
    m.low = {-1.7f, -1.5f, -0.3f};
    m.high = {2.1f, 1.5f, 0.7f};
    m.plan = {0, 0, 1, 0.75f};
    m.side = {0, 0.75f, 1, 1};
    return m;
}

void Fuselage(MeshBuilder& b) {
    struct Station {
        float x, halfWidth, top, bottom;
    };
    const Station stations[] = {{2.0f, 0, 0, 0},
                                {1.7f, 0.1f, 0.07f, 0.05f},
                                {1.2f, 0.2f, 0.14f, 0.09f},
                                {0.5f, 0.3f, 0.2f, 0.13f},
                                {-0.3f, 0.34f, 0.22f, 0.15f},
                                {-1.0f, 0.3f, 0.19f, 0.14f},
                                {-1.45f, 0.24f, 0.15f, 0.12f}};
    std::vector<Ring> rings;
    for (const Station& s : stations)
        rings.push_back(CrossSection(s.x, 0, LensProfile(s.halfWidth, s.top, s.bottom, 2)));
    AddLoft(b, rings);
}

void Canopy(MeshBuilder& b) {
    struct Station {
        float x, halfWidth, halfHeight, z;
    };
    const Station stations[] = {{1.3f, 0, 0, 0.12f},         {1.1f, 0.07f, 0.05f, 0.15f},
                                {0.8f, 0.11f, 0.08f, 0.18f}, {0.45f, 0.12f, 0.09f, 0.2f},
                                {0.1f, 0.09f, 0.06f, 0.2f},  {-0.15f, 0, 0, 0.2f}};
    std::vector<Ring> rings;
    for (const Station& s : stations)
        rings.push_back(CrossSection(s.x, s.z, EllipseProfile(s.halfWidth, s.halfHeight, 8)));
    AddLoft(b, rings);
}

void Wings(MeshBuilder& b) {
    struct Section {
        float y, leadingEdge, chord, thickness, z;
    };
    const Section sections[] = {{0.2f, 0.6f, 1.8f, 0.09f, -0.02f},
                                {0.9f, -0.35f, 1.0f, 0.06f, -0.05f},
                                {1.45f, -0.95f, 0.45f, 0.04f, -0.08f}};
    std::vector<Ring> rings;
    for (const Section& s : sections)
        rings.push_back(PlaceProfile({s.leadingEdge, s.y, s.z}, {1, 0, 0}, {0, 0, 1},
                                     AirfoilProfile(s.chord, s.thickness)));
    AddMirroredLoft(b, rings);
}

void Engines(MeshBuilder& b) {
    struct Station {
        float x, radius;
    };
    const Station stations[] = {
        {-0.15f, 0}, {-0.35f, 0.07f}, {-0.6f, 0.11f}, {-1.35f, 0.12f}, {-1.55f, 0.1f}};
    std::vector<Ring> rings;
    for (const Station& s : stations)
        rings.push_back(PlaceProfile({s.x, 0.42f, -0.04f}, {0, 1, 0}, {0, 0, 1},
                                     EllipseProfile(s.radius, s.radius * 0.9f, 6)));
    AddMirroredLoft(b, rings);
}

// Canted outward by 25 degrees, swept back, tapering to the tip.
void Fins(MeshBuilder& b) {
    const Vector3 cant(0, 0.42f, 0.91f);    // up the fin
    const Vector3 across(0, 0.91f, -0.42f); // through the fin's thickness
    const Vector3 root(-0.5f, 0.26f, 0.1f);
    const float heights[] = {0, 0.3f, 0.5f}, sweeps[] = {0, 0.45f, 0.75f};
    const float chords[] = {0.9f, 0.55f, 0.3f};
    std::vector<Ring> rings;
    for (int i = 0; i < 3; ++i)
        rings.push_back(PlaceProfile(root + cant * heights[i] - Vector3(sweeps[i], 0, 0), {1, 0, 0},
                                     across, AirfoilProfile(chords[i], 0.05f)));
    AddMirroredLoft(b, rings);
}

void Exhausts(MeshBuilder& b) {
    std::vector<Ring> pod = {PlaceProfile({-1.54f, 0.42f, -0.04f}, {0, 1, 0}, {0, 0, 1},
                                          EllipseProfile(0.08f, 0.07f, 6)),
                             PlaceProfile({-1.6f, 0.42f, -0.04f}, {0, 1, 0}, {0, 0, 1},
                                          EllipseProfile(0.07f, 0.06f, 6))};
    AddMirroredLoft(b, pod);
    AddLoft(b, {CrossSection(-1.44f, 0, LensProfile(0.17f, 0.1f, 0.08f, 2)),
                CrossSection(-1.5f, 0, LensProfile(0.14f, 0.08f, 0.06f, 2))});
}

// Side band: white hull over a grey keel, a cyan stripe and a row of vents.
void PaintSideBand(Canvas& c, const TextureMapping& m, Colour cyan, Colour dark) {
    Vector2 keelLow = SidePixel(c, m, -1.7f, -0.3f, true);
    Vector2 keelHigh = SidePixel(c, m, 2.1f, -0.02f, true);
    FillRect(c, keelLow.x, keelLow.y, keelHigh.x, keelHigh.y, dark, 0.6f);
    Vector2 s0 = SidePixel(c, m, -1.7f, 0.05f, true), s1 = SidePixel(c, m, 2.1f, 0.09f, true);
    FillRect(c, s0.x, s0.y, s1.x, s1.y, cyan);
    for (int i = 0; i < 8; ++i) {
        Vector2 v = SidePixel(c, m, -1.2f + 0.12f * i, 0.14f, true);
        FillRect(c, v.x, v.y, v.x + 4, v.y + 2, dark);
    }
}

Picture PaintHull(const TextureMapping& m) {
    const Colour white{0.9f, 0.92f, 0.96f}, line{0.55f, 0.58f, 0.66f}, cyan{0.1f, 0.75f, 1.0f};
    const Colour gold{1.0f, 0.72f, 0.15f}, dark{0.25f, 0.27f, 0.32f};
    Canvas c = MakeCanvas(256, 256, white);
    auto at = [&](float x, float y) { return PlanPixel(c, m, x, y); };
    auto poly = [&](std::vector<Vector2> p, Colour k, float a = 1) {
        FillPolygon(c, PlanPolygon(c, m, p), k, a);
    };
    for (float side : {1.0f, -1.0f}) {
        // Wing panels: spanwise and chordwise seams.
        for (float y : {0.45f, 0.7f, 0.95f, 1.2f})
            DrawLine(c, at(0.2f - 1.3f * (y - 0.2f), side * y), at(-1.45f, side * y), 1, line);
        for (float x : {-0.5f, -0.9f})
            DrawLine(c, at(x, side * 0.3f), at(x, side * 1.3f), 1, line);
        // Cyan leading-edge stripe, gold tip bands, a blue roundel, the navigation light.
        poly({{0.6f, side * 0.25f},
              {-0.35f, side * 0.95f},
              {-0.5f, side * 0.95f},
              {0.4f, side * 0.25f}},
             cyan);
        poly({{-0.8f, side * 1.25f},
              {-1.5f, side * 1.25f},
              {-1.5f, side * 1.5f},
              {-0.95f, side * 1.5f}},
             gold);
        Vector2 roundel = at(-0.75f, side * 0.72f);
        FillDisc(c, roundel.x, roundel.y, 8, cyan);
        FillDisc(c, roundel.x, roundel.y, 5, white);
        FillDisc(c, roundel.x, roundel.y, 2.5f, gold);
        Vector2 tip = at(-1.2f, side * 1.4f);
        FillDisc(c, tip.x, tip.y, 3, side > 0 ? Colour{1, 0.1f, 0.1f} : Colour{0.1f, 1, 0.3f});
        // Twin racing stripes along the spine, soot behind the engines.
        poly({{1.9f, side * 0.03f},
              {-1.5f, side * 0.05f},
              {-1.5f, side * 0.1f},
              {1.6f, side * 0.07f}},
             cyan);
        poly({{-1.1f, side * 0.3f},
              {-1.7f, side * 0.28f},
              {-1.7f, side * 0.56f},
              {-1.1f, side * 0.54f}},
             dark, 0.5f);
    }
    // A gold chevron on the nose.
    poly({{1.75f, 0}, {1.35f, 0.2f}, {1.25f, 0.2f}, {1.6f, 0}, {1.25f, -0.2f}, {1.35f, -0.2f}},
         gold);
    PaintSideBand(c, m, cyan, dark);
    return ToPicture(c, 4);
}

} // namespace

ShipAsset MakeBrightfin() {
    MeshBuilder b;
    TextureMapping m = HullMapping();
    int hull = AddMaterial(
        b, Paint("brightfin hull", {1, 1, 1}, 0.5f, 40, {0.08f, 0.08f, 0.1f}, TextureFileOf(Name)));
    int glass = AddMaterial(b, Paint("canopy", {0.12f, 0.3f, 0.6f}, 1, 100, {0, 0.04f, 0.1f}));
    int fin = AddMaterial(b, Paint("gold fin", {1, 0.62f, 0.1f}, 0.7f, 60, {0.3f, 0.14f, 0}));
    int jet = AddMaterial(b, Paint("engine glow", {0.3f, 0.6f, 0.7f}, 0, 0, {0.5f, 0.95f, 1}));
    b.brush.mapping = m;
    BeginGroup(b, "hull", hull);
    Fuselage(b);
    Wings(b);
    Engines(b);
    BeginGroup(b, "canopy", glass);
    Canopy(b);
    BeginGroup(b, "fins", fin);
    Fins(b);
    BeginGroup(b, "exhaust", jet);
    b.brush.smooth = false;
    Exhausts(b);

    ShipAsset a;
    a.name = Name;
    a.model = FinishModel(b);
    a.texture = PaintHull(m);
    a.textureForm = TgaForm::RunLength;
    return a;
}
