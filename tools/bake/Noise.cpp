#include "Noise.h"

#include <cmath>

namespace {

uint64_t mixBits(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

float toUnit(uint64_t bits) {
    return static_cast<float>(bits >> 40) / static_cast<float>(1u << 24);
}

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

int wrapped(int v, int period) {
    return period > 0 ? ((v % period) + period) % period : v;
}

} // namespace

float latticeValue(int32_t x, int32_t y, uint32_t seed) {
    const uint64_t key = (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) ^ static_cast<uint32_t>(y);
    return toUnit(mixBits(key + 0x9e3779b97f4a7c15ull * (seed + 1)));
}

float valueNoise(float x, float y, uint32_t seed, int period) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const float tx = fade(x - x0);
    const float ty = fade(y - y0);
    const int xa = wrapped(x0, period);
    const int xb = wrapped(x0 + 1, period);
    const int ya = wrapped(y0, period);
    const int yb = wrapped(y0 + 1, period);
    const float top =
        latticeValue(xa, ya, seed) + (latticeValue(xb, ya, seed) - latticeValue(xa, ya, seed)) * tx;
    const float bottom =
        latticeValue(xa, yb, seed) + (latticeValue(xb, yb, seed) - latticeValue(xa, yb, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, uint32_t seed, int octaves, int period) {
    float sum = 0.0f;
    float amplitude = 0.5f;
    float weight = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + i * 101u, period) * amplitude;
        weight += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum / weight;
}

uint64_t Random::next() {
    state_ += 0x9e3779b97f4a7c15ull;
    return mixBits(state_);
}

float Random::uniform(float low, float high) {
    return low + (high - low) * toUnit(next());
}

int Random::below(int bound) {
    return static_cast<int>(next() % static_cast<uint64_t>(bound));
}
