#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// RIFF WAVE files as the game reads them: the walk over the chunks works on bytes in memory and
// never reads outside them.

enum WaveResult : int32_t {
    WaveOk = 0,
    WaveCannotOpen = -1,
    WaveBadFile = -2,
    WaveBadParameter = -3,
    WaveBadId = -4,
    WaveNoMemory = -14,
    WaveUnsupportedFormat = -16,
};

enum WaveKind : int32_t {
    WaveUnknown = 0,
    WavePcm = 1,        // formatTag 1
    WaveExtensible = 2, // formatTag 0xFFFE
};

// The "fmt " body in the WAVEFORMATEXTENSIBLE layout. A plain PCM format fills only the first
// six fields; the rest stay zero.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t cbSize = 0;
    uint16_t validBitsPerSample = 0;
    uint32_t channelMask = 0;
    std::array<uint8_t, 16> subFormat{};
};

struct WaveInfo {
    WaveKind kind = WaveUnknown;
    WaveFormat format;
    std::vector<uint8_t> data; // the samples, once loaded
    uint32_t dataSize = 0;     // size of the "data" chunk
    int32_t dataOffset = 0;    // position of the first sample byte in the file
};

// Walks the chunks of a whole file. On WaveOk, info holds the format and where the samples lie;
// the samples may still run past the end of the bytes (a short file).
WaveResult parseFile(std::span<const uint8_t> bytes, WaveInfo& info);

// The code's name ("WaveOk", "WaveBadFile", ...), for reports.
const char* waveResultName(WaveResult result);

// The name of the OpenAL buffer format for a wave's channel and bit layout ("AL_FORMAT_MONO8",
// ...), or null when OpenAL has none.
const char* alBufferFormatName(const WaveInfo& info);
