#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>

// The 64-bit FNV-1a hash: a map file's checksum, and the fingerprint of a game's state that a
// recorded game is checked against. Not for anything an attacker chooses.
class Fnv1a {
public:
    void add(std::span<const uint8_t> bytes);
    // The value's bytes as they lie in memory: numbers only, so a hash never depends on padding.
    template <typename T> void addValue(T value) {
        static_assert(std::is_arithmetic_v<T>);
        uint8_t bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        add(bytes);
    }

    uint64_t value() const { return state; }

private:
    uint64_t state = 0xcbf29ce484222325ULL;
};

uint64_t fnv1a(std::span<const uint8_t> bytes);

// A hash as it is written down: 16 lower-case hexadecimal digits.
std::string hexDigits(uint64_t value);
