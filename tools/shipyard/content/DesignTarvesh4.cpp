// SPDX-License-Identifier: MIT
// "Tarvesh4", the scenery below the plane of play: a station about a hundred units across. From
// above it is mostly open space: a small hub, two lattice arms with solar wings and two thin
// spokes with radiators out to a habitat ring, docks and larger arrays out past the ring.
//
// A software rasteriser pays for every triangle and for every 4x4 pixel block each triangle
// touches, two to three times as much where it samples a texture, and the game's start view
// looks straight down on the middle of the station, about 55 by 41 units of it. So that view
// holds few triangles: large untextured panels and thin members, none drawn over another and
// none standing on edge to the camera. The texture dresses the hub top, mostly hidden under the
// player's ship, and the parts out by the ring, which the start view does not reach.
#include "ShipDesigns.h"

#include <cmath>

namespace {

const char* const Name = "Tarvesh4";
constexpr float Pi = 3.14159265f;
constexpr int Size = 512;

constexpr float RingRadius = 40, RingHalfWidth = 3.2f, RingHalfHeight = 2.2f;
constexpr float HubRadius = 4;
constexpr float ArmHalfWidth = 0.8f; // the longerons' distance from the arm's centre line
constexpr float LongeronRadius = 0.22f, BraceRadius = 0.13f, SpokeRadius = 0.4f;
constexpr float PanelInner = 1.2f; // panels start just clear of the longerons

// Texture atlas: hub plan top left, window rows top right, the ring's band, the solar cells.
const TextureRect HubPlan = {0, 0, 0.5f, 0.5f};
const TextureRect WindowRows = {0.5f, 0, 1, 0.5f};
constexpr float RingBand0 = 0.5f, RingBand1 = 0.75f;
const TextureRect SolarCells = {0, 0.75f, 1, 1};

// Directions of the four arms in the station's plan: the solar arms first, then the others.
const Vector3 SolarArms[] = {{0, 1, 0}, {0, -1, 0}};
const Vector3 RadiatorArms[] = {{1, 0, 0}, {-1, 0, 0}};

Profile Circle(float radius, int sides) {
    return EllipseProfile(radius, radius, sides);
}

// A stepped drum: a vertical wall that the camera above never sees, then shallow slopes up to
// a low crown, all one surface.
void Hub(MeshBuilder& b) {
    const float zs[] = {-2.5f, -1.8f, 0.6f, 1.5f, 2, 2.2f};
    const float radii[] = {2, HubRadius, HubRadius, 3.3f, 1.9f, 0};
    std::vector<Ring> rings;
    for (int i = 0; i < 6; ++i)
        rings.push_back(PlaceProfile({0, 0, zs[i]}, {1, 0, 0}, {0, 1, 0}, Circle(radii[i], 12)));
    AddLoft(b, rings);
}

// A loft of three-corner sections whose ends are the end sections themselves, one triangle each,
// rather than fans of three from their centres: the loft starts and ends in one of the corners.
void AddPrism(MeshBuilder& b, std::vector<Ring> rings) {
    rings.insert(rings.begin(), Ring(3, rings.front()[2]));
    rings.push_back(Ring(3, rings.back()[2]));
    AddLoft(b, rings);
}

// A straight member with a triangular section, flat side up: from above it is one face.
void Member(MeshBuilder& b, Vector3 from, Vector3 to, float radius) {
    std::vector<Vector3> path = {from, to};
    std::vector<Vector2> radii(2, Vector2(radius, radius));
    AddPrism(b, Sweep(path, radii, EllipseProfile(1, 1, 3, -Pi / 2), false));
}

// A Warren truss: two longerons with braces zigzagging between them every `pitch` units.
void Truss(MeshBuilder& b, Vector3 out, float from, float to, float pitch) {
    Vector3 side(-out.y, out.x, 0);
    for (float s : {ArmHalfWidth, -ArmHalfWidth})
        Member(b, out * from + side * s, out * to + side * s, LongeronRadius);
    int bays = int((to - from) / pitch);
    for (int i = 0; i < bays; ++i) {
        float s = i % 2 ? -ArmHalfWidth : ArmHalfWidth;
        Member(b, out * (from + pitch * i) + side * s, out * (from + pitch * (i + 1)) - side * s,
               BraceRadius);
    }
}

// Where a wing's panels lie: `out` along the arm, `across` and `normal` turned about the arm by
// the tilt, so that the wings on the two sides of an arm rise into a shallow V.
struct WingFrame {
    Vector3 out, across, normal;
};

WingFrame FrameOf(Vector3 out, float tiltDegrees) {
    float t = tiltDegrees * Pi / 180;
    Vector3 side(-out.y, out.x, 0), up(0, 0, 1);
    return {out, side * std::cos(t) + up * std::sin(t), up * std::cos(t) - side * std::sin(t)};
}

// A panel over the rectangle a0..a1 along the arm by c0..c1 across it: a flat top over a keel,
// so that from above it is one face and no wall stands on edge to the camera.
void Panel(MeshBuilder& b, const WingFrame& f, float a0, float a1, float c0, float c1) {
    auto section = [&](float a) {
        Vector3 o = f.out * a;
        return Ring{o + f.across * c0 + f.normal * 0.05f, o + f.across * c1 + f.normal * 0.05f,
                    o + f.across * ((c0 + c1) / 2) - f.normal * 0.2f};
    };
    AddPrism(b, {section(a0), section(a1)});
}

// Panels on both sides of an arm in bays along it (start and end pairs), out to `span` from
// the arm's centre line, each bay a grid of cells with narrow gaps between them.
struct WingPlan {
    std::vector<float> bays;
    float span;
    int along = 1, across = 1; // cells per bay
    float tiltDegrees = 0;
};

void Wing(MeshBuilder& b, Vector3 out, const WingPlan& plan) {
    constexpr float Gap = 0.15f;
    const std::vector<float>& bays = plan.bays;
    for (float c : {1.0f, -1.0f}) {
        WingFrame f = FrameOf(out, c * plan.tiltDegrees);
        for (size_t i = 0; i + 1 < bays.size(); i += 2) {
            // A texture, where the material has one, spans the bay.
            TextureMapping& m = b.brush.mapping;
            Vector3 p0 = out * bays[i], p1 = out * bays[i + 1];
            m.low = {std::fmin(p0.x, p1.x) - plan.span, std::fmin(p0.y, p1.y) - plan.span, -2};
            m.high = {std::fmax(p0.x, p1.x) + plan.span, std::fmax(p0.y, p1.y) + plan.span, 2};
            float cellA = (bays[i + 1] - bays[i] + Gap) / plan.along;
            float cellC = (plan.span - PanelInner + Gap) / plan.across;
            for (int j = 0; j < plan.along; ++j)
                for (int k = 0; k < plan.across; ++k) {
                    float a0 = bays[i] + cellA * j, c0 = PanelInner + cellC * k;
                    Panel(b, f, a0, a0 + cellA - Gap, c * c0, c * (c0 + cellC - Gap));
                }
        }
    }
}

void HabitatRing(MeshBuilder& b) {
    std::vector<Vector3> path;
    for (int i = 0; i < 32; ++i) {
        float a = 2 * Pi * (i + 0.5f) / 32; // a corner either side of each arm
        path.push_back({RingRadius * std::cos(a), RingRadius * std::sin(a), 0});
    }
    std::vector<Vector2> radii(path.size(), Vector2(RingHalfWidth, RingHalfHeight));
    AddLoft(b, Sweep(path, radii, EllipseProfile(1, 1, 6), true), true);
}

void Docks(MeshBuilder& b) {
    for (Vector3 out : RadiatorArms) {
        TextureMapping m;
        m.low = {out.x > 0 ? 43.0f : -51.0f, -3, -3};
        m.high = {out.x > 0 ? 51.0f : -43.0f, 3, 3};
        m.plan = m.side = WindowRows;
        b.brush.mapping = m;
        const float at[] = {43, 44.2f, 49, 50}, radii[] = {1.4f, 2.3f, 2.3f, 1.1f};
        std::vector<Ring> rings;
        for (int i = 0; i < 4; ++i)
            rings.push_back(PlaceProfile(out * at[i], {0, 1, 0}, {0, 0, 1},
                                         EllipseProfile(radii[i], radii[i], 8)));
        AddLoft(b, rings);
    }
}

void Beacon(MeshBuilder& b) {
    std::vector<Ring> rings;
    const float zs[] = {2.1f, 3, 3.8f}, radii[] = {0.7f, 0.55f, 0}; // rooted in the crown
    for (int i = 0; i < 3; ++i)
        rings.push_back(PlaceProfile({0, 0, zs[i]}, {1, 0, 0}, {0, 1, 0}, Circle(radii[i], 6)));
    AddLoft(b, rings);
}

Vector2 Pixel(const TextureRect& r, float fs, float ft) {
    return {(r.s0 + (r.s1 - r.s0) * fs) * Size, (r.t0 + (r.t1 - r.t0) * ft) * Size};
}

// The hub seen from above: a dark rim, a ring of lights on the slope, a hatched crown.
void PaintHubTop(Canvas& c) {
    const Colour rim{0.22f, 0.23f, 0.26f}, plate{0.5f, 0.52f, 0.56f}, yellow{0.85f, 0.65f, 0.1f};
    Vector2 centre = Pixel(HubPlan, 0.5f, 0.5f);
    float unit = 256 / 8.4f; // pixels per unit of the hub's plan
    FillDisc(c, centre.x, centre.y, HubRadius * unit, rim);
    FillDisc(c, centre.x, centre.y, 3.5f * unit, plate);
    for (int i = 0; i < 24; ++i) {
        float a = (i + 0.5f) * 2 * Pi / 24;
        Vector2 d(std::cos(a), std::sin(a));
        DrawLine(c, centre + d * (1.9f * unit), centre + d * (3.4f * unit), 1.5f, rim);
        FillDisc(c, centre.x + d.x * 3.75f * unit, centre.y + d.y * 3.75f * unit, 2.5f,
                 i % 3 ? Colour{1, 0.9f, 0.6f} : Colour{0.4f, 0.8f, 1});
    }
    for (int i = 0; i < 4; ++i) {
        float a = i * Pi / 2 + Pi / 4;
        Vector2 d(std::cos(a), std::sin(a));
        Vector2 p = centre + d * (2.65f * unit);
        FillRect(c, p.x - 9, p.y - 9, p.x + 9, p.y + 9, Scaled(plate, 0.6f));
        DrawLine(c, p + Vector2(-9, -9), p + Vector2(9, 9), 3, yellow);
    }
    FillDisc(c, centre.x, centre.y, 1.9f * unit, Scaled(plate, 1.15f));
    FillDisc(c, centre.x, centre.y, 0.9f * unit, rim);
}

void PaintWindows(Canvas& c, float x0, float y0, float x1, float y1, int rows, uint32_t seed) {
    const Colour lit{1, 0.85f, 0.5f}, cool{0.75f, 0.9f, 1}, unlit{0.12f, 0.13f, 0.16f};
    float pitch = (y1 - y0) / rows;
    for (int r = 0; r < rows; ++r) {
        float y = y0 + pitch * (r + 0.5f);
        FillRect(c, x0, y - pitch * 0.3f, x1, y + pitch * 0.3f, {0.3f, 0.31f, 0.34f});
        for (int i = 0; float(i) * 8 < x1 - x0 - 4; ++i) {
            float h = Hash01(i, r, seed);
            Colour k = h < 0.45f ? lit : (h < 0.6f ? cool : unlit);
            FillRect(c, x0 + i * 8 + 2, y - pitch * 0.15f, x0 + i * 8 + 6, y + pitch * 0.15f, k);
        }
    }
}

void PaintRingBand(Canvas& c) {
    float y0 = RingBand0 * Size, y1 = RingBand1 * Size;
    for (int i = 0; i < 8; ++i)
        DrawLine(c, {i * 64.0f, y0}, {i * 64.0f, y1}, 2, {0.3f, 0.31f, 0.34f});
    // Round the hexagonal section from the inner edge, a sixth of the band to each face: the
    // inner slope, the top with its landing lights, the outer slope and the outer wall.
    PaintWindows(c, 0, y0 + 4, Size, y0 + 18, 1, 7);
    FillRect(c, 0, y0 + 30, Size, y0 + 34, {0.3f, 0.31f, 0.34f});
    for (int i = 0; i < 16; ++i)
        FillDisc(c, i * 32 + 16.0f, y0 + 32, 2.5f,
                 i % 2 ? Colour{1, 0.15f, 0.1f} : Colour{0.2f, 1, 0.3f});
    PaintWindows(c, 0, y0 + 45, Size, y0 + 80, 3, 9);
}

void PaintCells(Canvas& c) {
    Vector2 p0 = Pixel(SolarCells, 0, 0), p1 = Pixel(SolarCells, 1, 1);
    FillRect(c, p0.x, p0.y, p1.x, p1.y, {0.75f, 0.76f, 0.8f});
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 8; ++j) {
            float x = p0.x + 2 + i * 32.0f, y = p0.y + 2 + j * 16.0f;
            float shade = 0.85f + 0.3f * Hash01(i, j, 5);
            FillRect(c, x, y, x + 29, y + 13, Scaled({0.08f, 0.17f, 0.45f}, shade));
        }
}

Picture PaintStation() {
    Canvas c = MakeCanvas(Size, Size, {0.42f, 0.44f, 0.47f});
    AddGrime(c, 3, 0.1f, 0, 0, Size, Size);
    PaintHubTop(c);
    Vector2 w0 = Pixel(WindowRows, 0, 0), w1 = Pixel(WindowRows, 1, 1);
    PaintWindows(c, w0.x, w0.y, w1.x, w1.y, 16, 13);
    PaintRingBand(c);
    PaintCells(c);
    return ToPicture(c, 3);
}

void Structure(MeshBuilder& b) {
    b.brush.smooth = false;
    for (Vector3 out : SolarArms) {
        Truss(b, out, HubRadius, RingRadius - RingHalfWidth, 5);
        Truss(b, out, RingRadius + RingHalfWidth, 52, 4);
    }
    for (Vector3 out : RadiatorArms)
        Member(b, out * HubRadius, out * (RingRadius - RingHalfWidth), SpokeRadius);
}

// The hub's texture: its plan from above, rows of windows round its side.
TextureMapping HubMapping() {
    TextureMapping mapping;
    mapping.low = {-4.2f, -4.2f, -2.5f};
    mapping.high = {4.2f, 4.2f, 2.5f};
    mapping.plan = HubPlan;
    mapping.side = WindowRows;
    return mapping;
}

} // namespace

ShipAsset MakeTarvesh4() {
    MeshBuilder b;
    int hull = AddMaterial(
        b, Paint("Tarvesh4 plating", {0.85f, 0.85f, 0.9f}, 0.3f, 20, {}, TextureFileOf(Name)));
    int metal = AddMaterial(b, Paint("truss", {0.62f, 0.62f, 0.62f}, 0.1f, 30));
    int cells = AddMaterial(b, Paint("solar blankets", {0.12f, 0.22f, 0.55f}, 0.1f, 40));
    int radiator = AddMaterial(b, Paint("radiators", {0.86f, 0.87f, 0.85f}, 0.2f, 10));
    int beacon = AddMaterial(b, Paint("beacon", {1, 0.2f, 0.1f}, 0, 0, {1, 0.15f, 0.05f}));

    const TextureMapping hubMapping = HubMapping();
    b.brush.mapping = hubMapping;
    b.brush.creaseDegrees = 40;
    BeginGroup(b, "hub", hull);
    Hub(b);
    BeginGroup(b, "truss", metal);
    Structure(b);
    BeginGroup(b, "solar", cells);
    for (Vector3 out : SolarArms)
        Wing(b, out, {{6, 10.8f, 11.4f, 16.2f, 16.8f, 21.6f}, 5.3f, 2, 2, 6});
    BeginGroup(b, "radiators", radiator);
    for (Vector3 out : RadiatorArms)
        Wing(b, out, {{23, 28.6f, 29.2f, 34.8f}, 3.6f});
    BeginGroup(b, "outer arrays", hull);
    b.brush.mapping.plan = b.brush.mapping.side = SolarCells;
    for (Vector3 out : SolarArms)
        Wing(b, out, {{44, 52}, 8, 1, 1, 6});
    BeginGroup(b, "ring", hull);
    b.brush.smooth = true;
    b.brush.mapping.wrapLength = 2 * Pi * RingRadius / 12;
    b.brush.mapping.wrapT0 = RingBand0;
    b.brush.mapping.wrapT1 = RingBand1;
    HabitatRing(b);
    BeginGroup(b, "docks", hull);
    Docks(b);
    // Last, and untextured: the game draws its star points next with whatever texture the frame
    // left switched on.
    BeginGroup(b, "beacon", beacon);
    b.brush.mapping = hubMapping;
    Beacon(b);

    ShipAsset a;
    a.name = Name;
    a.model = FinishModel(b);
    a.texture = PaintStation();
    a.textureForm = TgaForm::RunLength;
    return a;
}
