#pragma once

#include "files/Bytes.h"

#include <cmath>

// RIFF WAVE files built byte by byte for the tests.
namespace wavebytes {

struct Chunk {
    std::string id;
    std::vector<uint8_t> body;
};

// The file: the two tags, then each chunk with its pad byte after an odd size.
inline std::vector<uint8_t> riff(const std::vector<Chunk>& chunks, const std::string& riffTag = "RIFF",
                                 const std::string& waveTag = "WAVE") {
    Bytes body;
    body.text(waveTag);
    for (const Chunk& chunk : chunks) {
        body.text(chunk.id).u32(static_cast<uint32_t>(chunk.body.size())).append(chunk.body);
        if (chunk.body.size() % 2)
            body.byte(0);
    }
    return Bytes().text(riffTag).u32(static_cast<uint32_t>(body.data.size())).append(body.data).data;
}

inline std::vector<uint8_t> pcmFormat(uint16_t channels, uint16_t bits, uint32_t rate = 22050) {
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    return Bytes().u16(1).u16(channels).u32(rate).u32(rate * blockAlign).u16(blockAlign).u16(bits).data;
}

// The extensible tag, then the extension's size, bits, channel mask and the PCM sub-format GUID.
inline std::vector<uint8_t> extensibleFormat(uint16_t channels, uint16_t bits, uint32_t channelMask,
                                             uint32_t rate = 22050) {
    Bytes body{pcmFormat(channels, bits, rate)};
    body.data[0] = 0xFE;
    body.data[1] = 0xFF;
    body.u16(22).u16(bits).u32(channelMask);
    return body.u32(1).u32(0x00100000).u32(0xAA000080).u32(0x719B3800).data;
}

// Mono 16-bit samples of a loud tone.
inline std::vector<uint8_t> tone(int sampleCount) {
    Bytes samples;
    for (int i = 0; i < sampleCount; ++i)
        samples.u16(static_cast<uint16_t>(static_cast<int16_t>(20000 * std::sin(i * 0.2))));
    return samples.data;
}

} // namespace wavebytes
