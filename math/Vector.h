// SPDX-License-Identifier: MIT
// Vector2 and Vector3: the single-precision value types of the play plane and of GL.
//
// World conventions, said once for the whole game: the play plane is z = 0 and the camera looks
// down on it from +z, with +x to the right of the screen and +y up the screen. An angle h in
// degrees is a rotation by h about (0, 0, -1), that is clockwise seen from above; a ship with
// heading h faces (cos r, -sin r) with r = h * DegreesToRadians. Headings are never wrapped.
#pragma once

#include <cmath>

constexpr float DegreesToRadians = 0.017453294f;
constexpr float RadiansToDegrees = 57.295773f;

struct Vector2 {
    float x = 0, y = 0;
    Vector2() = default;
    Vector2(float x, float y) : x(x), y(y) {}

    Vector2 operator+(Vector2 w) const { return {x + w.x, y + w.y}; }
    Vector2 operator+(float s) const { return {x + s, y + s}; }
    Vector2 operator-(Vector2 w) const { return {x - w.x, y - w.y}; }
    Vector2 operator-(float s) const { return {x - s, y - s}; }
    Vector2 operator*(Vector2 w) const { return {x * w.x, y * w.y}; }
    Vector2 operator*(float s) const { return {x * s, y * s}; }
    Vector2 operator/(Vector2 w) const { return {x / w.x, y / w.y}; }
    Vector2 operator/(float s) const { return {x / s, y / s}; }
    void operator+=(Vector2 w) { *this = *this + w; }
    void operator+=(float s) { *this = *this + s; }
    void operator-=(Vector2 w) { *this = *this - w; }
    void operator-=(float s) { *this = *this - s; }
    void operator*=(Vector2 w) { *this = *this * w; }
    void operator*=(float s) { *this = *this * s; }
    void operator/=(Vector2 w) { *this = *this / w; }
    void operator/=(float s) { *this = *this / s; }
    bool operator==(Vector2 w) const { return x == w.x && y == w.y; }
    bool operator==(float s) const { return x == s && y == s; }
};

struct Vector3 {
    float x = 0, y = 0, z = 0;
    Vector3() = default;
    Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

    Vector3 operator+(Vector3 w) const { return {x + w.x, y + w.y, z + w.z}; }
    Vector3 operator+(float s) const { return {x + s, y + s, z + s}; }
    Vector3 operator-(Vector3 w) const { return {x - w.x, y - w.y, z - w.z}; }
    Vector3 operator-(float s) const { return {x - s, y - s, z - s}; }
    Vector3 operator*(Vector3 w) const { return {x * w.x, y * w.y, z * w.z}; }
    Vector3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vector3 operator/(Vector3 w) const { return {x / w.x, y / w.y, z / w.z}; }
    // Unlike Vector2, a Vector3 divides by a scalar through its reciprocal.
    Vector3 operator/(float s) const { return *this * (1.0f / s); }
    void operator+=(Vector3 w) { *this = *this + w; }
    void operator+=(float s) { *this = *this + s; }
    void operator-=(Vector3 w) { *this = *this - w; }
    void operator-=(float s) { *this = *this - s; }
    void operator*=(Vector3 w) { *this = *this * w; }
    void operator*=(float s) { *this = *this * s; }
    void operator/=(Vector3 w) { *this = *this / w; }
    void operator/=(float s) { *this = *this / s; }
    bool operator==(Vector3 w) const { return x == w.x && y == w.y && z == w.z; }
    bool operator==(float s) const { return x == s && y == s && z == s; }
};

// Lengths sum the squares in float and take the root in double, rounded back to float.
inline float Dot(Vector2 v, Vector2 w) { return v.x * w.x + v.y * w.y; }
inline float Length(Vector2 v) { return float(std::sqrt(double(v.x * v.x + v.y * v.y))); }
inline Vector2 Normalized(Vector2 v) { return v / Length(v); }
inline void Normalize(Vector2& v) { v = Normalized(v); }

inline float Dot(Vector3 v, Vector3 w) { return v.x * w.x + v.y * w.y + v.z * w.z; }
inline float Length(Vector3 v) {
    return float(std::sqrt(double(v.x * v.x + v.y * v.y + v.z * v.z)));
}
inline Vector3 Normalized(Vector3 v) { return v * (1.0f / Length(v)); }
inline void Normalize(Vector3& v) { v = Normalized(v); }
inline Vector3 Cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vector3 UnitCross(Vector3 a, Vector3 b) { return Normalized(Cross(a, b)); }
