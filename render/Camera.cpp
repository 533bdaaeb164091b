// SPDX-License-Identifier: MIT
// Camera placement: pure arithmetic, the render pass hands the result to gluLookAt.
#include "Camera.h"

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
