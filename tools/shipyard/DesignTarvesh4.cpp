// "Tarvesh4", the scenery below the plane of play: a station about a hundred units across, a
// domed hub in a habitat ring, with spokes, solar booms and two docking modules.
#include "ShipDesigns.h"

#include <cmath>

namespace {

const char* const Name = "Tarvesh4";
constexpr float Pi = 3.14159265f;
constexpr float RingRadius = 40;
constexpr int Size = 512;

// Texture atlas: hub plan top left, window rows top right, then full-width bands for the ring,
// the tubes and the solar cells.
const TextureRect HubPlan = {0, 0, 0.5f, 0.5f};
const TextureRect WindowRows = {0.5f, 0, 1, 0.5f};
constexpr float RingBand0 = 0.5f, RingBand1 = 0.75f;
constexpr float TubeBand0 = 0.75f, TubeBand1 = 0.875f;
const TextureRect SolarCells = {0, 0.875f, 1, 1};

void Hub(MeshBuilder& b) {
    const float zs[] = {-7, -4.5f, 3.5f, 4.5f, 6, 7, 7.4f};
    const float radii[] = {5, 10, 10, 8.5f, 6, 3, 0};
    std::vector<Ring> rings;
    for (int i = 0; i < 7; ++i)
        rings.push_back(PlaceProfile({0, 0, zs[i]}, {1, 0, 0}, {0, 1, 0},
                                     EllipseProfile(radii[i], radii[i], 16)));
    AddLoft(b, rings);
}

void Mast(MeshBuilder& b) {
    std::vector<Ring> rings;
    for (float z : {6.0f, 13.0f})
        rings.push_back(
            PlaceProfile({0, 0, z}, {1, 0, 0}, {0, 1, 0}, EllipseProfile(0.4f, 0.4f, 6)));
    AddLoft(b, rings);
}

void Beacon(MeshBuilder& b) {
    std::vector<Ring> rings;
    const float zs[] = {12.8f, 13.4f, 14}, radii[] = {0.9f, 0.8f, 0};
    for (int i = 0; i < 3; ++i)
        rings.push_back(PlaceProfile({0, 0, zs[i]}, {1, 0, 0}, {0, 1, 0},
                                     EllipseProfile(radii[i], radii[i], 8)));
    AddLoft(b, rings);
}

void HabitatRing(MeshBuilder& b) {
    std::vector<Vector3> path;
    for (int i = 0; i < 48; ++i) {
        float a = 2 * Pi * i / 48;
        path.push_back({RingRadius * std::cos(a), RingRadius * std::sin(a), 0});
    }
    std::vector<Vector2> radii(path.size(), Vector2(4.5f, 3));
    AddLoft(b, Sweep(path, radii, EllipseProfile(1, 1, 12), true), true);
}

void Tube(MeshBuilder& b, Vector3 from, Vector3 to, float radius, int sides) {
    std::vector<Vector3> path = {from, to};
    std::vector<Vector2> radii(2, Vector2(radius, radius));
    AddLoft(b, Sweep(path, radii, EllipseProfile(1, 1, sides, Pi / sides), false));
}

void SpokesAndBooms(MeshBuilder& b) {
    for (float degrees : {45.0f, 135.0f, 225.0f, 315.0f}) {
        float a = degrees * Pi / 180;
        Vector3 out(std::cos(a), std::sin(a), 0);
        Tube(b, out * 9, out * 36.5f, 1.4f, 8);
    }
    Tube(b, {9, 0, 0}, {52, 0, 0}, 0.9f, 6);
    Tube(b, {-9, 0, 0}, {-52, 0, 0}, 0.9f, 6);
}

void SolarPanel(MeshBuilder& b, float x0, float x1, float y0, float y1) {
    TextureMapping m;
    m.low = {x0, y0, -0.2f};
    m.high = {x1, y1, 0.2f};
    m.plan = m.side = SolarCells;
    b.brush.mapping = m;
    float yc = (y0 + y1) / 2, half = (y1 - y0) / 2;
    Profile slab = {{half, 0.15f}, {-half, 0.15f}, {-half, -0.15f}, {half, -0.15f}};
    AddLoft(b, {PlaceProfile({x0, yc, 0}, {0, 1, 0}, {0, 0, 1}, slab),
                PlaceProfile({x1, yc, 0}, {0, 1, 0}, {0, 0, 1}, slab)});
}

void SolarArrays(MeshBuilder& b) {
    for (float side : {1.0f, -1.0f})
        for (float wing : {1.0f, -1.0f}) {
            SolarPanel(b, side > 0 ? 14 : -31, side > 0 ? 31 : -14, wing > 0 ? 2 : -8,
                       wing > 0 ? 8 : -2);
            SolarPanel(b, side > 0 ? 45.5f : -51.5f, side > 0 ? 51.5f : -45.5f,
                       wing > 0 ? 1.5f : -13, wing > 0 ? 13 : -1.5f);
        }
}

void DockingModules(MeshBuilder& b) {
    for (float side : {1.0f, -1.0f}) {
        TextureMapping m;
        m.low = {-3, side > 0 ? 43.0f : -52.0f, -3};
        m.high = {3, side > 0 ? 52.0f : -43.0f, 3};
        m.plan = m.side = WindowRows;
        b.brush.mapping = m;
        const float ys[] = {43, 44.5f, 50, 51.5f}, radii[] = {1.5f, 2.6f, 2.6f, 1.2f};
        std::vector<Ring> rings;
        for (int i = 0; i < 4; ++i)
            rings.push_back(PlaceProfile({0, side * ys[i], 0}, {1, 0, 0}, {0, 0, 1},
                                         EllipseProfile(radii[i], radii[i], 10)));
        AddLoft(b, rings);
    }
}

Vector2 Pixel(const TextureRect& r, float fs, float ft) {
    return {(r.s0 + (r.s1 - r.s0) * fs) * Size, (r.t0 + (r.t1 - r.t0) * ft) * Size};
}

void PaintHubTop(Canvas& c) {
    const Colour rim{0.2f, 0.21f, 0.24f}, dome{0.42f, 0.44f, 0.48f}, yellow{0.85f, 0.65f, 0.1f};
    Vector2 centre = Pixel(HubPlan, 0.5f, 0.5f);
    float unit = 256 / 21.0f; // pixels per unit of the hub's plan
    FillDisc(c, centre.x, centre.y, 10 * unit, rim);
    FillDisc(c, centre.x, centre.y, 8.3f * unit, Scaled(dome, 0.8f));
    for (int i = 0; i < 12; ++i) {
        float a = (i + 0.5f) * 2 * Pi / 12;
        Vector2 d(std::cos(a), std::sin(a));
        FillDisc(c, centre.x + d.x * 7.5f * unit, centre.y + d.y * 7.5f * unit, 0.4f * unit,
                 i % 2 ? yellow : Colour{0.1f, 0.1f, 0.1f});
    }
    FillDisc(c, centre.x, centre.y, 6 * unit, dome);
    for (int i = 0; i < 16; ++i) {
        float a = i * 2 * Pi / 16;
        Vector2 d(std::cos(a), std::sin(a));
        DrawLine(c, centre + d * (3.2f * unit), centre + d * (6 * unit), 2, rim);
        FillDisc(c, centre.x + d.x * 9.2f * unit, centre.y + d.y * 9.2f * unit, 3, {1, 0.9f, 0.6f});
    }
    FillDisc(c, centre.x, centre.y, 3 * unit, Scaled(dome, 1.2f));
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
    // Round the section from the inner edge: the top at a quarter, the outer edge at a half.
    PaintWindows(c, 0, y0 + 14, Size, y0 + 30, 2, 7);
    PaintWindows(c, 0, y0 + 40, Size, y0 + 72, 3, 9);
    for (int i = 0; i < 8; ++i) {
        FillDisc(c, i * 64 + 32.0f, y0 + 35, 2.5f,
                 i % 2 ? Colour{1, 0.15f, 0.1f} : Colour{0.2f, 1, 0.3f});
    }
}

void PaintTubesAndCells(Canvas& c) {
    float y0 = TubeBand0 * Size, y1 = TubeBand1 * Size;
    for (int i = 0; i < 32; ++i)
        FillRect(c, i * 16.0f, y0, i * 16 + 3.0f, y1, {0.28f, 0.29f, 0.32f});
    for (int i = 0; i < 4; ++i)
        FillRect(c, i * 128 + 60.0f, y0, i * 128 + 68.0f, y1, {0.9f, 0.7f, 0.1f});
    Vector2 p0 = Pixel(SolarCells, 0, 0), p1 = Pixel(SolarCells, 1, 1);
    FillRect(c, p0.x, p0.y, p1.x, p1.y, {0.75f, 0.76f, 0.8f});
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 4; ++j) {
            float x = p0.x + 2 + i * 32.0f, y = p0.y + 2 + j * 15.5f;
            float shade = 0.85f + 0.3f * Hash01(i, j, 5);
            FillRect(c, x, y, x + 29, y + 13, Scaled({0.08f, 0.17f, 0.45f}, shade));
            DrawLine(c, {x + 14.5f, y}, {x + 14.5f, y + 13}, 1, {0.2f, 0.3f, 0.55f});
        }
}

Picture PaintStation() {
    Canvas c = MakeCanvas(Size, Size, {0.42f, 0.44f, 0.47f});
    AddGrime(c, 3, 0.1f, 0, 0, Size, Size);
    PaintHubTop(c);
    Vector2 w0 = Pixel(WindowRows, 0, 0), w1 = Pixel(WindowRows, 1, 1);
    PaintWindows(c, w0.x, w0.y, w1.x, w1.y, 16, 13);
    PaintRingBand(c);
    PaintTubesAndCells(c);
    return ToPicture(c, 3);
}

} // namespace

ShipAsset MakeTarvesh4() {
    MeshBuilder b;
    int hull = AddMaterial(
        b, Paint("Tarvesh4 plating", {0.85f, 0.85f, 0.9f}, 0.3f, 20, {}, TextureFileOf(Name)));
    int beacon = AddMaterial(b, Paint("beacon", {1, 0.2f, 0.1f}, 0, 0, {1, 0.15f, 0.05f}));
    TextureMapping hubMapping;
    hubMapping.low = {-10.5f, -10.5f, -7};
    hubMapping.high = {10.5f, 10.5f, 13.5f};
    hubMapping.plan = HubPlan;
    hubMapping.side = WindowRows;
    b.brush.mapping = hubMapping;
    b.brush.creaseDegrees = 30;
    BeginGroup(b, "hub", hull);
    Hub(b);
    Mast(b);
    BeginGroup(b, "ring", hull);
    b.brush.mapping.wrapLength = 2 * Pi * RingRadius / 12;
    b.brush.mapping.wrapT0 = RingBand0;
    b.brush.mapping.wrapT1 = RingBand1;
    HabitatRing(b);
    BeginGroup(b, "spokes", hull);
    b.brush.mapping.wrapLength = 8;
    b.brush.mapping.wrapT0 = TubeBand0;
    b.brush.mapping.wrapT1 = TubeBand1;
    b.brush.creaseDegrees = 50;
    SpokesAndBooms(b);
    BeginGroup(b, "solar", hull);
    b.brush.smooth = false;
    SolarArrays(b);
    BeginGroup(b, "docks", hull);
    b.brush.smooth = true;
    b.brush.creaseDegrees = 40;
    DockingModules(b);
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
