#include "core/RandomGenerator.h"

#include "core/Fnv1a.h"

namespace {

constexpr int Separation = 3;
constexpr int DiscardedNumbers = 310; // ten times the degree, so the seed's pattern is mixed away

// The Park-Miller step: 16807 * word modulo 2^31 - 1, by Schrage's method so no product overflows.
int64_t parkMiller(int64_t word) {
    constexpr int64_t Modulus = 2147483647;
    constexpr int64_t Multiplier = 16807;
    constexpr int64_t Quotient = Modulus / Multiplier;  // 127773
    constexpr int64_t Remainder = Modulus % Multiplier; // 2836
    const int64_t next = Multiplier * (word % Quotient) - Remainder * (word / Quotient);
    return next < 0 ? next + Modulus : next;
}

} // namespace

RandomGenerator::RandomGenerator(uint32_t seed) {
    this->seed(seed);
}

void RandomGenerator::seed(uint32_t seed) {
    // A zero seed would fill the table with zeros; glibc takes 1 instead. It reads the seed as a
    // signed 32-bit word, so seeds above 2^31 - 1 go in negative.
    int64_t word = static_cast<int32_t>(seed == 0 ? 1 : seed);
    table[0] = static_cast<uint32_t>(word);
    for (int i = 1; i < Degree; ++i) {
        word = parkMiller(word);
        table[static_cast<std::size_t>(i)] = static_cast<uint32_t>(word);
    }
    front = Separation;
    rear = 0;
    for (int i = 0; i < DiscardedNumbers; ++i)
        next();
}

int32_t RandomGenerator::next() {
    uint32_t& word = table[static_cast<std::size_t>(front)];
    word += table[static_cast<std::size_t>(rear)];
    front = (front + 1) % Degree;
    rear = (rear + 1) % Degree;
    // The lowest bit is the least random; it is dropped.
    return static_cast<int32_t>(word >> 1);
}

uint64_t RandomGenerator::fingerprint() const {
    Fnv1a hash;
    for (const uint32_t word : table)
        hash.addValue(word);
    hash.addValue(front);
    return hash.value();
}
