// SPDX-License-Identifier: MIT
// Framing a model's bounding box in the preview views; pure arithmetic, no GL.
#include "RenderFraming.h"

#include "Model.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double FieldOfView = 45;
constexpr double Margin = 1.1;
constexpr double GameHeight = 45; // a typical camera height in play, for the light's angle

struct Box {
    double low[3], high[3];
    double Centre(int axis) const { return (low[axis] + high[axis]) / 2; }
    double Half(int axis) const { return (high[axis] - low[axis]) / 2; }
    double Radius() const {
        return std::sqrt(Half(0) * Half(0) + Half(1) * Half(1) + Half(2) * Half(2));
    }
};

// Non-finite coordinates are left out; a model with no usable vertex is a point at the origin.
Box Bounds(const Model& model) {
    const double inf = HUGE_VAL;
    Box box{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const ModelVertex& vertex : model.vertices)
        for (int axis = 0; axis < 3; ++axis) {
            double p = vertex.position[axis];
            if (std::isfinite(p)) {
                box.low[axis] = std::min(box.low[axis], p);
                box.high[axis] = std::max(box.high[axis], p);
            }
        }
    for (int axis = 0; axis < 3; ++axis)
        if (box.low[axis] > box.high[axis])
            box.low[axis] = box.high[axis] = 0;
    return box;
}

double HalfAngleTangent() {
    return std::tan(FieldOfView / 2 * M_PI / 180);
}

} // namespace

ViewSetup TopView(const Model& model) {
    Box box = Bounds(model);
    double half = std::max({box.Half(0), box.Half(1), 1e-3}) * Margin;
    double aboveTop = half / HalfAngleTangent(); // the top face fits; lower parts look smaller
    double eyeZ = box.high[2] + aboveTop;
    ViewSetup view{{box.Centre(0), box.Centre(1), eyeZ},
                   {box.Centre(0), box.Centre(1), box.Centre(2)},
                   {0, 1, 0},
                   FieldOfView,
                   aboveTop / 2,
                   eyeZ - box.low[2] + aboveTop,
                   std::max(1.0, aboveTop / GameHeight)};
    return view;
}

ViewSetup ObliqueView(const Model& model) {
    Box box = Bounds(model);
    // Toward the camera , and the screen's right and up for a +z up vector.
    const double toward[3] = {0.5513, -0.6515, 0.5212};
    const double right[3] = {0.7634, 0.6459, 0};
    const double up[3] = {-0.3367, 0.3979, 0.8534};
    // Each corner of the box must lie inside the view cone: its distance in front of the eye
    // times tan(fov / 2) must cover its offset across the screen.
    double distance = 1e-3;
    for (int corner = 0; corner < 8; ++corner) {
        double c[3];
        for (int axis = 0; axis < 3; ++axis)
            c[axis] = (corner >> axis & 1) ? box.Half(axis) : -box.Half(axis);
        auto dot = [&c](const double* v) { return c[0] * v[0] + c[1] * v[1] + c[2] * v[2]; };
        double across = std::max(std::fabs(dot(right)), std::fabs(dot(up))) * Margin;
        distance = std::max(distance, dot(toward) + across / HalfAngleTangent());
    }
    double radius = std::max(box.Radius(), 1e-3);
    ViewSetup view{{box.Centre(0) + toward[0] * distance, box.Centre(1) + toward[1] * distance,
                    box.Centre(2) + toward[2] * distance},
                   {box.Centre(0), box.Centre(1), box.Centre(2)},
                   {0, 0, 1},
                   FieldOfView,
                   std::max(distance - radius * Margin, distance * 0.01),
                   distance + radius * Margin,
                   std::max(1.0, distance / GameHeight)};
    return view;
}
