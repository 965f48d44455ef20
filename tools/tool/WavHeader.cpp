#include "tool/WavHeader.h"

#include "platform/ByteReader.h"

namespace {

constexpr std::size_t FormatChunkBytes = 16;

uint16_t readUint16(ByteReader& in) {
    const uint16_t low = in.readByte();
    return static_cast<uint16_t>(low | (in.readByte() << 8));
}

void readFormat(ByteReader& chunk, WavHeader& header) {
    header.formatTag = readUint16(chunk);
    header.channels = readUint16(chunk);
    header.sampleRate = chunk.readUint32();
    header.byteRate = chunk.readUint32();
    header.blockAlign = readUint16(chunk);
    header.bitsPerSample = readUint16(chunk);
}

WavHeader readChunks(ByteReader& in) {
    if (in.readText(4) != "RIFF")
        throw FormatError("not a RIFF file");
    in.readUint32();
    if (in.readText(4) != "WAVE")
        throw FormatError("not a WAVE file");
    WavHeader header;
    bool format = false;
    while (true) {
        const std::string id = in.readText(4);
        const uint32_t size = in.readUint32();
        if (id == "data") {
            if (!format)
                throw FormatError("the data chunk comes before the fmt chunk");
            in.readBytes(size);
            header.dataBytes = size;
            return header;
        }
        ByteReader chunk(in.readBytes(size));
        if (id == "fmt ") {
            if (size < FormatChunkBytes)
                throw FormatError("the fmt chunk is too short");
            readFormat(chunk, header);
            format = true;
        }
        if (size % 2 == 1 && in.remaining() > 0)
            in.readByte(); // chunks are padded to an even size
    }
}

} // namespace

ParseResult<WavHeader> parseWavHeader(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    try {
        return {readChunks(in), {}};
    } catch (const FormatError& error) {
        return {std::nullopt, error.what()};
    }
}
