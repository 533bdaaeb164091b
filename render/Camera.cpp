// SPDX-License-Identifier: MIT
// Camera placement: pure arithmetic, the render pass hands the result to gluLookAt.
#include "Camera.h"

#include "World.h"

#include <algorithm>
#include <cmath>

Camera camera;

void Camera::Set(Vector3 newEye, Vector3 newCentre, Vector3 newUp) {
    eye = newEye;
    centre = newCentre;
    up = newUp;
}

void Camera::Follow(Vector2 p) {
    const double MaxHeight = 70;
    centre = Vector3(p.x, p.y, 0);
    eye.x = p.x;
    eye.y = p.y;
    float distanceSquared = p.x * p.x + p.y * p.y;
    eye.z = float(std::sqrt(double(distanceSquared)) * 1.3 + 20.0);
    if (eye.z > MaxHeight)
        eye.z = float(MaxHeight);
}

namespace {

// The shortest way from `from` to `to` along an axis that wraps round at +-WorldHalfSize.
float Across(float from, float to) {
    const float side = 2 * WorldHalfSize;
    const float way = to - from;
    return way - side * std::floor((way + WorldHalfSize) / side);
}

} // namespace

Vector2 NearestImage(Vector2 from, Vector2 to) {
    return Vector2(from.x + Across(from.x, to.x), from.y + Across(from.y, to.y));
}

bool MarkOutOfView(const Camera& camera, Vector2 target, int width, int height, int inset,
                   EdgeMark& mark) {
    const double halfAngle = FieldOfViewDegrees / 2 * 3.14159265358979323846 / 180;
    const double halfHeight = camera.eye.z * std::tan(halfAngle); // in world units, on z = 0
    if (width <= 2 * inset || height <= 2 * inset || halfHeight <= 0)
        return false;
    const Vector2 eye(camera.eye.x, camera.eye.y);
    const Vector2 at = NearestImage(eye, target);
    // Pixels from the window's centre, y down; a pixel is as wide as it is high.
    const double perUnit = height / 2.0 / halfHeight;
    const double x = (at.x - eye.x) * perUnit, y = -(at.y - eye.y) * perUnit;
    if (std::fabs(x) < width / 2.0 && std::fabs(y) < height / 2.0)
        return false;
    const double reachX = width / 2.0 - inset, reachY = height / 2.0 - inset;
    const double scale = std::min(x != 0 ? reachX / std::fabs(x) : HUGE_VAL,
                                  y != 0 ? reachY / std::fabs(y) : HUGE_VAL);
    const double length = std::hypot(x, y);
    mark.x = float(width / 2.0 + x * scale);
    mark.y = float(height / 2.0 + y * scale);
    mark.dirX = float(x / length);
    mark.dirY = float(y / length);
    return true;
}
