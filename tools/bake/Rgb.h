#pragma once

#include <algorithm>

// A colour with components in 0..1, as the baker paints with them.
struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;

    constexpr Rgb operator+(Rgb o) const { return {r + o.r, g + o.g, b + o.b}; }
    constexpr Rgb operator-(Rgb o) const { return {r - o.r, g - o.g, b - o.b}; }
    constexpr Rgb operator*(float k) const { return {r * k, g * k, b * k}; }
    constexpr Rgb operator*(Rgb o) const { return {r * o.r, g * o.g, b * o.b}; }
};

// A colour from 0..255 components, the way artists write them.
constexpr Rgb rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

constexpr Rgb mix(Rgb a, Rgb b, float t) {
    return a + (b - a) * t;
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

inline float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}
