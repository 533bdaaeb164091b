// SPDX-License-Identifier: MIT
// Which chasers are marked at the window's edge, and their marks drawn.
#include "ChaserMarks.h"

#include "HudGL.h"

namespace {

// Red-orange, half again as long as the ghost's mark and twice as wide, on a black rim; its tip
// stays this far inside the edge, in pixels.
constexpr EdgeMarkLook ChaserMark = {28, 24, {1, 0.3f, 0.1f, 1}, 2};
constexpr int MarkInset = 6;

} // namespace

std::vector<EdgeMark> ChaserMarks(const World& world, const Camera& camera, int width, int height) {
    std::vector<EdgeMark> marks;
    if (ChasersLeft(world) > MarkedChasersAtMost)
        return marks;
    for (const Ship& ship : world.ships) {
        EdgeMark mark;
        if (ship.computerControlled &&
            MarkOutOfView(camera, ship.position, width, height, MarkInset, mark))
            marks.push_back(mark);
    }
    return marks;
}

void DrawChaserMarks() {
    int width, height;
    ViewportSize(width, height);
    for (const EdgeMark& mark : ChaserMarks(world, camera, width, height))
        DrawEdgeMark(mark, ChaserMark);
}
