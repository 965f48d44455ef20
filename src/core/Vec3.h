#pragma once

#include <cmath>

// A 3-vector of floats: model corners and normals, the camera, and the baker's geometry.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    bool operator==(const Vec3&) const = default;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

constexpr Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

constexpr Vec3 operator*(Vec3 v, float factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

constexpr float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline float length(Vec3 v) {
    return std::sqrt(dot(v, v));
}

// v scaled by 1 / |v|; a zero vector stays zero.
inline Vec3 normalise(Vec3 v) {
    const float size = length(v);
    return size == 0.0f ? v : v * (1.0f / size);
}

// In radians; 0 where the angle is undefined (a zero-length vector, or rounding that pushes the
// cosine past 1).
inline float angleBetween(Vec3 a, Vec3 b) {
    const float angle = std::acos(dot(a, b) / (length(a) * length(b)));
    return std::isnan(angle) ? 0.0f : angle;
}

// Rotates point about the line through pivot along axis (of unit length) by angle radians,
// counter-clockwise when the axis points at the viewer.
inline Vec3 rotateAbout(Vec3 point, Vec3 pivot, Vec3 axis, float angle) {
    const Vec3 v = point - pivot;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const Vec3 rotated = v * c + cross(axis, v) * s + axis * (dot(axis, v) * (1.0f - c));
    return pivot + rotated;
}
