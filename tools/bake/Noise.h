#pragma once

#include <cstdint>

// Deterministic randomness: the same seed gives the same art on every machine, so two bakes
// write the same bytes. Nothing here reads the clock or the standard library's generators.

// A uniform value in [0, 1) for an integer lattice point.
float latticeValue(int32_t x, int32_t y, uint32_t seed);

// Smooth value noise in [0, 1); with a period > 0 it tiles every `period` units on both axes.
float valueNoise(float x, float y, uint32_t seed, int period = 0);

// Fractal sum of value noise, octaves halving in size, in [0, 1); tiles like valueNoise when
// period > 0 (each octave doubles the period).
float fractalNoise(float x, float y, uint32_t seed, int octaves, int period = 0);

// A small sequential generator for placing things.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t next();
    float uniform(float low, float high);
    int below(int bound);

private:
    uint64_t state_;
};
