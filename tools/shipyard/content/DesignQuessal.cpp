// SPDX-License-Identifier: MIT
// "Quessal", the swarm chaser: a green segmented insect with two great forward pincers, red
// eyes and short swept wings.
#include "ShipDesigns.h"

namespace {

const char* const Name = "Quessal";

TextureMapping HullMapping() {
    TextureMapping m;
    m.low = {-1.2f, -1.1f, -0.3f};
    m.high = {1.4f, 1.1f, 0.4f};
    m.plan = {0, 0, 1, 0.75f};
    m.side = {0, 0.75f, 1, 1};
    return m;
}

struct Segment {
    float x, halfWidth, halfHeight;
};
// A body of bulging segments, narrowing between them.
const Segment BodySegments[] = {
    {0.58f, 0, 0},          {0.42f, 0.15f, 0.11f},  {0.15f, 0.26f, 0.19f},
    {-0.12f, 0.2f, 0.15f},  {-0.38f, 0.31f, 0.22f}, {-0.66f, 0.25f, 0.18f},
    {-0.82f, 0.17f, 0.13f}, {-0.98f, 0.13f, 0.1f},  {-1.12f, 0, 0}};

void Body(MeshBuilder& b) {
    std::vector<Ring> rings;
    for (const Segment& s : BodySegments)
        rings.push_back(CrossSection(s.x, 0.02f, EllipseProfile(s.halfWidth, s.halfHeight, 8)));
    AddLoft(b, rings);
}

void Eyes(MeshBuilder& b) {
    const float xs[] = {0.5f, 0.44f, 0.36f, 0.3f}, radii[] = {0, 0.055f, 0.055f, 0};
    std::vector<Ring> rings;
    for (int i = 0; i < 4; ++i)
        rings.push_back(PlaceProfile({xs[i], 0.11f, 0.09f}, {0, 1, 0}, {0, 0, 1},
                                     EllipseProfile(radii[i], radii[i], 6)));
    AddMirroredLoft(b, rings);
}

// Pincers: from the body's flank out, forward and curling in, with a diamond section.
const std::vector<Vector3> PincerPath = {{-0.2f, 0.18f, 0},      {0.0f, 0.58f, 0},
                                         {0.32f, 0.88f, -0.02f}, {0.72f, 0.96f, -0.03f},
                                         {1.06f, 0.8f, -0.03f},  {1.3f, 0.5f, -0.02f}};

void Pincers(MeshBuilder& b) {
    const std::vector<Vector2> radii = {{0.12f, 0.07f},  {0.11f, 0.065f}, {0.1f, 0.055f},
                                        {0.08f, 0.045f}, {0.05f, 0.03f},  {0, 0}};
    AddMirroredLoft(b, Sweep(PincerPath, radii, EllipseProfile(1, 1, 4), false));
}

// A membrane wing's section: one ridge over a flatter belly, from the leading edge at 0 back to
// the trailing edge at -chord. Two faces show from above, which is all a thin wing needs.
Profile Vane(float chord, float thickness) {
    return {
        {0, 0}, {-0.3f * chord, 0.5f * thickness}, {-chord, 0}, {-0.3f * chord, -0.3f * thickness}};
}

void Wings(MeshBuilder& b) {
    std::vector<Ring> rings = {
        PlaceProfile({-0.25f, 0.15f, 0.12f}, {1, 0, 0}, {0, 0, 1}, Vane(0.55f, 0.05f)),
        PlaceProfile({-0.7f, 0.62f, 0.2f}, {1, 0, 0}, {0, 0, 1}, Vane(0.35f, 0.03f)),
        PlaceProfile({-1.0f, 0.78f, 0.22f}, {1, 0, 0}, {0, 0, 1}, Vane(0.12f, 0.02f))};
    AddMirroredLoft(b, rings);
}

// Side band: a dark belly under the green flanks, with yellow breathing holes.
void PaintBelly(Canvas& c, const TextureMapping& m, Colour deep, Colour yellow) {
    Vector2 belly0 = SidePixel(c, m, -1.2f, -0.3f, true), belly1 = SidePixel(c, m, 1.4f, 0, true);
    FillRect(c, belly0.x, belly0.y, belly1.x, belly1.y, deep);
    for (int i = 0; i < 6; ++i) {
        Vector2 p = SidePixel(c, m, -0.8f + 0.22f * i, 0.05f, true);
        FillDisc(c, p.x, p.y, 2, yellow);
    }
}

Picture PaintCarapace(const TextureMapping& m) {
    const Colour green{0.42f, 0.85f, 0.18f}, deep{0.1f, 0.35f, 0.08f};
    const Colour yellow{0.95f, 0.9f, 0.2f}, wing{0.55f, 0.75f, 0.45f};
    Canvas c = MakeCanvas(256, 256, green);
    auto at = [&](float x, float y) { return PlanPixel(c, m, x, y); };
    // Dark joints between the body segments, pale spots on each segment.
    for (const Segment& s : {BodySegments[3], BodySegments[6], BodySegments[7]}) {
        Vector2 a = at(s.x, -0.35f), e = at(s.x, 0.35f);
        DrawLine(c, a, e, 4, deep);
    }
    for (float y : {-0.14f, 0.14f})
        for (float x : {0.15f, -0.38f, -0.66f}) {
            Vector2 p = at(x, y);
            FillDisc(c, p.x, p.y, 4, yellow, 0.8f);
        }
    Vector2 spine0 = at(0.5f, 0), spine1 = at(-1.1f, 0);
    DrawLine(c, spine0, spine1, 3, deep);
    for (float side : {1.0f, -1.0f}) {
        // Pincers: dark green with a yellow serrated inner edge.
        for (size_t i = 0; i + 1 < PincerPath.size(); ++i) {
            Vector3 p0 = PincerPath[i], p1 = PincerPath[i + 1];
            DrawLine(c, at(p0.x, side * p0.y), at(p1.x, side * p1.y), 10 - 1.2f * i, deep);
        }
        for (int i = 0; i < 6; ++i) {
            float x = 0.45f + 0.13f * i, y = 0.86f - 0.06f * i * i / 5;
            FillPolygon(c,
                        PlanPolygon(c, m,
                                    {{x, side * y},
                                     {x + 0.1f, side * (y - 0.02f)},
                                     {x + 0.04f, side * (y - 0.1f)}}),
                        yellow);
        }
        // Wings: pale, veined.
        FillPolygon(c,
                    PlanPolygon(c, m,
                                {{-0.25f, side * 0.18f},
                                 {-0.7f, side * 0.64f},
                                 {-1.0f, side * 0.8f},
                                 {-1.15f, side * 0.78f},
                                 {-0.8f, side * 0.18f}}),
                    wing);
        for (float f : {0.3f, 0.55f, 0.8f})
            DrawLine(c, at(-0.5f, side * 0.18f), at(-0.5f - 0.55f * f, side * (0.2f + 0.6f * f)),
                     1.5f, deep);
    }
    PaintBelly(c, m, deep, yellow);
    AddGrime(c, 23, 0.12f, 0, 0, 256, 256);
    return ToPicture(c, 3);
}

} // namespace

ShipAsset MakeQuessal() {
    MeshBuilder b;
    TextureMapping m = HullMapping();
    int shell = AddMaterial(
        b, Paint("Quessal carapace", {0.9f, 1, 0.85f}, 0.45f, 30, {}, TextureFileOf(Name)));
    int eye = AddMaterial(b, Paint("eyes", {1, 0.1f, 0.05f}, 0.8f, 90, {0.8f, 0.05f, 0}));
    b.brush.mapping = m;
    BeginGroup(b, "body", shell);
    Body(b);
    b.brush.creaseDegrees = 30;
    Pincers(b);
    Wings(b);
    BeginGroup(b, "eyes", eye);
    b.brush.creaseDegrees = 60;
    Eyes(b);

    ShipAsset a;
    a.name = Name;
    a.model = FinishModel(b);
    a.texture = PaintCarapace(m);
    a.textureForm = TgaForm::Uncompressed;
    return a;
}
