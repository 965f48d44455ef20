#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

// Thrown while parsing a game file that is truncated or inconsistent; parsers turn it into their
// error result, so it never leaves a parser.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian reads from a byte buffer. A read that would pass the end throws FormatError and
// reads nothing, so no caller can ever read outside the buffer.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    std::size_t offset() const { return offset_; }
    std::size_t remaining() const { return bytes_.size() - offset_; }
    // The unread bytes, for rules that look ahead (text lines).
    std::span<const uint8_t> rest() const { return bytes_.subspan(offset_); }

    uint8_t readByte();
    int8_t readInt8() { return static_cast<int8_t>(readByte()); }
    int32_t readInt32();
    uint32_t readUint32();
    float readFloat();
    std::span<const uint8_t> readBytes(std::size_t count);
    std::string readText(std::size_t count);

    // A record count: refused when negative, above `limit`, or larger than the rest of the buffer
    // could hold at `minimumRecordBytes` per record, so no caller allocates from an absurd count.
    int32_t readCount(std::size_t minimumRecordBytes, int32_t limit, const char* what);

private:
    std::span<const uint8_t> bytes_;
    std::size_t offset_ = 0;
};
