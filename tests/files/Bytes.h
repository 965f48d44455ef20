#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

// Little-endian bytes built field by field, as the game's file formats lay them out.
struct Bytes {
    std::vector<uint8_t> data;

    Bytes& byte(uint8_t value) {
        data.push_back(value);
        return *this;
    }
    Bytes& u16(uint16_t value) {
        return byte(static_cast<uint8_t>(value)).byte(static_cast<uint8_t>(value >> 8));
    }
    Bytes& u32(uint32_t value) {
        return u16(static_cast<uint16_t>(value)).u16(static_cast<uint16_t>(value >> 16));
    }
    Bytes& i32(int32_t value) { return u32(static_cast<uint32_t>(value)); }
    Bytes& f32(float value) { return u32(std::bit_cast<uint32_t>(value)); }
    Bytes& point(float x, float y, float z) { return f32(x).f32(y).f32(z); }
    Bytes& append(const std::vector<uint8_t>& bytes) {
        data.insert(data.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Bytes& text(const std::string& text) { return append({text.begin(), text.end()}); }
    Bytes& line(const std::string& text) { return this->text(text).byte('\n'); }
};
