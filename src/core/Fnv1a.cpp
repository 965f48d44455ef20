#include "core/Fnv1a.h"

void Fnv1a::add(std::span<const uint8_t> bytes) {
    constexpr uint64_t Prime = 0x100000001b3ULL;
    for (const uint8_t byte : bytes) {
        state ^= byte;
        state *= Prime;
    }
}

uint64_t fnv1a(std::span<const uint8_t> bytes) {
    Fnv1a hash;
    hash.add(bytes);
    return hash.value();
}

std::string hexDigits(uint64_t value) {
    static const char Digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = Digits[value & 0xF];
    return text;
}
