#include "core/ByteReader.h"

#include <bit>
#include <cstring>

std::span<const uint8_t> ByteReader::readBytes(std::size_t count) {
    if (count > remaining())
        throw FormatError("the file ends early at byte " + std::to_string(bytes_.size()) + " (" +
                          std::to_string(count) + " bytes wanted at byte " + std::to_string(offset_) + ")");
    const auto taken = bytes_.subspan(offset_, count);
    offset_ += count;
    return taken;
}

uint8_t ByteReader::readByte() {
    return readBytes(1)[0];
}

uint32_t ByteReader::readUint32() {
    const auto b = readBytes(4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

int32_t ByteReader::readInt32() {
    return static_cast<int32_t>(readUint32());
}

float ByteReader::readFloat() {
    return std::bit_cast<float>(readUint32());
}

std::string ByteReader::readText(std::size_t count) {
    const auto b = readBytes(count);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

int32_t ByteReader::readCount(std::size_t minimumRecordBytes, int32_t limit, const char* what) {
    const std::size_t at = offset_;
    const int32_t count = readInt32();
    if (count < 0 || count > limit ||
        static_cast<uint64_t>(count) * minimumRecordBytes > static_cast<uint64_t>(remaining()))
        throw FormatError(std::string(what) + " " + std::to_string(count) + " at byte " + std::to_string(at) +
                          " is out of range");
    return count;
}
