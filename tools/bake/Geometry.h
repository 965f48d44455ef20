#pragma once

#include "core/Vec3.h"

#include <cmath>

// Rigid transforms for building models: y up, a model faces +z.

constexpr float Degrees = 3.14159265358979f / 180.0f;

// A rotation (three column vectors) followed by a translation.
struct Transform {
    Vec3 xAxis{1, 0, 0};
    Vec3 yAxis{0, 1, 0};
    Vec3 zAxis{0, 0, 1};
    Vec3 origin{};

    Vec3 apply(Vec3 p) const { return origin + xAxis * p.x + yAxis * p.y + zAxis * p.z; }
    Vec3 rotate(Vec3 d) const { return xAxis * d.x + yAxis * d.y + zAxis * d.z; }
    // This transform applied after `inner`.
    Transform operator*(const Transform& inner) const {
        return {rotate(inner.xAxis), rotate(inner.yAxis), rotate(inner.zAxis), apply(inner.origin)};
    }

    static Transform translation(Vec3 offset) { return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, offset}; }
    static Transform rotationX(float degrees) {
        const float c = std::cos(degrees * Degrees), s = std::sin(degrees * Degrees);
        return {{1, 0, 0}, {0, c, s}, {0, -s, c}, {}};
    }
    static Transform rotationY(float degrees) {
        const float c = std::cos(degrees * Degrees), s = std::sin(degrees * Degrees);
        return {{c, 0, -s}, {0, 1, 0}, {s, 0, c}, {}};
    }
    static Transform rotationZ(float degrees) {
        const float c = std::cos(degrees * Degrees), s = std::sin(degrees * Degrees);
        return {{c, s, 0}, {-s, c, 0}, {0, 0, 1}, {}};
    }
};
