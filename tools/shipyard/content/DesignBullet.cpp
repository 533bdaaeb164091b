// SPDX-License-Identifier: MIT
// "Bullet", the shot: a small white-hot spindle with an orange tail.
#include "ShipDesigns.h"

namespace {

const char* const Name = "Bullet";

Picture PaintBolt() {
    // Along the bolt (s, tail at 0) from deep orange through yellow to white at the nose.
    Canvas c = MakeCanvas(64, 16, {1, 0.35f, 0.05f});
    for (int x = 0; x < 64; ++x) {
        float f = (x + 0.5f) / 64;
        Colour k = f < 0.5f ? Mix({1, 0.35f, 0.05f}, {1, 0.85f, 0.3f}, f * 2)
                            : Mix({1, 0.85f, 0.3f}, {1, 1, 0.95f}, (f - 0.5f) * 2);
        FillRect(c, float(x), 0, float(x + 1), 16, k);
    }
    // Two bright streaks round the section.
    FillRect(c, 8, 3, 60, 5, {1, 1, 1}, 0.6f);
    FillRect(c, 8, 11, 60, 13, {1, 1, 1}, 0.6f);
    return ToPicture(c, 3);
}

} // namespace

ShipAsset MakeBullet() {
    MeshBuilder b;
    int hot = AddMaterial(
        b, Paint("shot", {1, 0.85f, 0.45f}, 0.3f, 20, {0.85f, 0.7f, 0.4f}, TextureFileOf(Name)));
    BeginGroup(b, "shot", hot);
    b.brush.mapping.wrapLength = 0.5f;
    b.brush.creaseDegrees = 60;
    const std::vector<Vector3> path = {{-0.28f, 0, 0}, {-0.12f, 0, 0}, {0.1f, 0, 0}, {0.22f, 0, 0}};
    const std::vector<Vector2> radii = {{0, 0}, {0.07f, 0.07f}, {0.075f, 0.075f}, {0, 0}};
    AddLoft(b, Sweep(path, radii, EllipseProfile(1, 1, 8), false));

    ShipAsset a;
    a.name = Name;
    a.model = FinishModel(b);
    a.texture = PaintBolt();
    a.textureForm = TgaForm::Uncompressed;
    return a;
}
