#pragma once

#include <cmath>

// A 3-vector of floats and the few operations the camera and the model drawing share.
struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

inline Vector3 operator+(Vector3 a, Vector3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vector3 operator-(Vector3 a, Vector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vector3 operator*(Vector3 v, float factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

inline float dot(Vector3 a, Vector3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline float length(Vector3 v) {
    return std::sqrt(dot(v, v));
}

// No zero test: a zero vector comes back as not-a-number components.
inline Vector3 normalise(Vector3 v) {
    return v * (1.0f / length(v));
}

inline Vector3 cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// In radians; 0 where the angle is undefined (a zero-length vector, or rounding that pushes the
// cosine past 1).
inline float angleBetween(Vector3 a, Vector3 b) {
    const float angle = std::acos(dot(a, b) / (length(a) * length(b)));
    return std::isnan(angle) ? 0.0f : angle;
}

// Rotates point about the line through pivot along axis (of unit length) by angle radians,
// counter-clockwise when the axis points at the viewer.
inline Vector3 rotateAbout(Vector3 point, Vector3 pivot, Vector3 axis, float angle) {
    const Vector3 v = point - pivot;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const Vector3 rotated = v * c + cross(axis, v) * s + axis * (dot(axis, v) * (1.0f - c));
    return pivot + rotated;
}
