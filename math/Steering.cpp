// SPDX-License-Identifier: MIT
// Intercept solver for aimed fire and bounded seek steering.
#include "Steering.h"

#include <cmath>

namespace {

const Vector2 NoMeetingTime(1, 1);
const Vector2 MeetingInThePast(-1, -1);

// Earliest non-negative root of a t^2 + b t + c = 0, with the quadratic's root order and tie
// rules; false when no root exists (*past set when every root is negative).
bool EarliestTime(double a, double b, double c, double& t, bool& past) {
    past = false;
    if (a == 0) { // equal speeds: the equation is linear
        if (b == 0) {
            t = 0;
            return c == 0;
        }
        t = -c / b;
        past = t < 0;
        return !past;
    }
    double disc = b * b - 4 * c * a;
    if (disc < 0)
        return false;
    double t1 = -(std::sqrt(disc) + b) / (2 * a);
    double t2 = (std::sqrt(disc) - b) / (2 * a);
    if (t1 < 0) {
        past = t2 < 0;
        t = t2;
        return !past;
    }
    t = (t2 < 0) ? t1 : std::fmin(t1, t2);
    return true;
}

} // namespace

Vector2 InterceptVelocity(double speed, Vector2 launch, Vector2 target, Vector2 targetVelocity) {
    Vector2 c = targetVelocity;
    float dx = target.x - launch.x;
    float dy = target.y - launch.y;
    double a = double(c.x) * c.x + double(c.y) * c.y - speed * speed;
    double b = double(2.0f * (c.x * dx + c.y * dy));
    double distanceSquared = double(dx) * dx + double(dy) * dy;
    double t;
    bool past;
    if (!EarliestTime(a, b, distanceSquared, t, past))
        return past ? MeetingInThePast : NoMeetingTime;
    if (t == 0)
        return c;
    // The offset is taken again in double from the float inputs, not from the float difference.
    const double offsetX = double(target.x) - launch.x, offsetY = double(target.y) - launch.y;
    return Vector2(float((offsetX + c.x * t) / t), float((offsetY + c.y * t) / t));
}

Vector2 SteerToward(Vector2 position, Vector2 velocity, Vector2 target, double amount) {
    // Lengths too small for float (standing on the target, or within 1e-19 of it) give no
    // direction to normalise.
    Vector2 offset = target - position;
    float distance = Length(offset);
    if (distance == 0)
        return Vector2(0, 0);
    Vector2 desired = offset / distance * float(double(Length(velocity)) + amount);
    Vector2 change = desired - velocity;
    float changeLength = Length(change);
    if (changeLength == 0)
        return Vector2(0, 0);
    return change / changeLength * float(amount);
}
