#pragma once

#include "files/WaveFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

// Holds loaded waves in a fixed table of slots; a wave id is a slot index. A wave stays only
// for the time it takes to hand its samples to a sound buffer.
class CWaves {
public:
    static constexpr int SlotCount = 1024;

    // The OpenAL enum-by-name function (alGetEnumValue).
    using EnumValueFunction = int32_t (*)(const char* name);

    virtual ~CWaves() = default;

    // Reads the whole file into the lowest free slot.
    WaveResult loadWaveFile(const std::string& fileName, int& id);
    // The same for a file's bytes already in memory.
    WaveResult loadWave(std::span<const uint8_t> bytes, int& id);
    // The OpenAL buffer format of a loaded wave, asked of the library by its name.
    WaveResult getAlBufferFormat(int id, EnumValueFunction getEnumValue, int32_t& format) const;
    WaveResult deleteWaveFile(int id);

    // The loaded wave in a slot, or null for a bad id or an empty slot.
    const WaveInfo* wave(int id) const;

private:
    std::array<std::unique_ptr<WaveInfo>, SlotCount> slots;
};
