#pragma once

#include <array>
#include <cstdint>

// A random sequence of its own for each user, so that the menu, the sounds and the simulation do not
// shift each other's numbers. For a seed it gives exactly the numbers the C library's rand() gives
// after srand() of that seed on glibc: the additive feedback generator of degree 31
// (x[i] = x[i-31] + x[i-3] modulo 2^32, top 31 bits returned), its table filled from the seed by
// the Park-Miller generator and its first 310 numbers discarded. The game's outcomes for a seed
// were fixed with that generator.
class RandomGenerator {
public:
    // Unseeded, the sequence is that of seed 1, as rand() before any srand().
    explicit RandomGenerator(uint32_t seed = 1);

    void seed(uint32_t seed);

    // 0 to 2^31 - 1, as rand().
    int32_t next();

    // A hash of where the sequence stands: equal for two generators that go on alike.
    uint64_t fingerprint() const;

private:
    static constexpr int Degree = 31;

    std::array<uint32_t, Degree> table{};
    int front = 0; // the word that receives the sum
    int rear = 0;  // the word added to it, three places before the front
};
