#include "formats/ByteWriter.h"

#include <bit>
#include <stdexcept>

void ByteWriter::uint32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        byte(static_cast<uint8_t>(value >> shift));
}

void ByteWriter::float32(float value) {
    uint32(std::bit_cast<uint32_t>(value));
}

void ByteWriter::line(const std::string& text, std::size_t maxLength) {
    if (text.find('\n') != std::string::npos || text.size() > maxLength)
        throw std::invalid_argument("cannot write \"" + text + "\" as one text line");
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    byte('\n');
}

void ByteWriter::bits(const std::vector<bool>& values) {
    std::vector<uint8_t> packed((values.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i])
            packed[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
    bytes(packed);
}
