#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Little-endian writes into a growing byte buffer, the mirror of the game's ByteReader.
class ByteWriter {
public:
    void byte(uint8_t value) { bytes_.push_back(value); }
    void int8(int8_t value) { byte(static_cast<uint8_t>(value)); }
    void uint32(uint32_t value);
    void int32(int32_t value) { uint32(static_cast<uint32_t>(value)); }
    void float32(float value);
    void bytes(std::span<const uint8_t> values) { bytes_.insert(bytes_.end(), values.begin(), values.end()); }
    // The text and a line feed. Throws std::invalid_argument when the text holds a line feed or
    // is longer than `maxLength`, since the game would read it back as another line.
    void line(const std::string& text, std::size_t maxLength);
    // A bit set, bit i in bit (i mod 8) of byte (i div 8).
    void bits(const std::vector<bool>& values);

    const std::vector<uint8_t>& data() const { return bytes_; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};
