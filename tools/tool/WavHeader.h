#pragma once

#include "platform/ParseResult.h"

#include <cstdint>
#include <span>

// The header fields of a RIFF/WAVE file: its "fmt " chunk and the size of its "data" chunk.
struct WavHeader {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint32_t dataBytes = 0;
};

// Walks the chunks of a WAV file; refuses one that is not RIFF/WAVE, lacks either chunk or is cut
// short.
ParseResult<WavHeader> parseWavHeader(std::span<const uint8_t> bytes);
