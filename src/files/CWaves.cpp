#include "files/CWaves.h"

#include "core/FilePath.h"

#include <algorithm>
#include <new>

namespace {

WaveResult readWave(std::span<const uint8_t> bytes, WaveInfo& info) {
    WaveResult result = parseFile(bytes, info);
    if (result != WaveOk)
        return result;
    size_t offset = static_cast<size_t>(info.dataOffset);
    if (offset > bytes.size() || bytes.size() - offset < info.dataSize)
        return WaveBadFile; // the samples run past the end of the file
    auto samples = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    info.data.assign(samples, samples + info.dataSize);
    return WaveOk;
}

} // namespace

WaveResult CWaves::loadWaveFile(const std::string& fileName, int& id) {
    try {
        const std::optional<std::vector<uint8_t>> bytes = readFileBytes(fileName);
        return bytes ? loadWave(*bytes, id) : WaveCannotOpen;
    } catch (const std::bad_alloc&) {
        return WaveNoMemory;
    }
}

WaveResult CWaves::loadWave(std::span<const uint8_t> bytes, int& id) {
    try {
        auto info = std::make_unique<WaveInfo>();
        WaveResult result = readWave(bytes, *info);
        if (result != WaveOk)
            return result;
        auto freeSlot = std::find(slots.begin(), slots.end(), nullptr);
        if (freeSlot == slots.end())
            return WaveNoMemory;
        *freeSlot = std::move(info);
        id = static_cast<int>(freeSlot - slots.begin());
        return WaveOk;
    } catch (const std::bad_alloc&) {
        return WaveNoMemory;
    }
}

WaveResult CWaves::getAlBufferFormat(int id, EnumValueFunction getEnumValue, int32_t& format) const {
    const WaveInfo* info = wave(id);
    if (!info)
        return WaveBadId;
    if (!getEnumValue)
        return WaveBadParameter;
    format = 0;
    const char* name = alBufferFormatName(*info);
    if (name)
        format = getEnumValue(name);
    return format != 0 ? WaveOk : WaveUnsupportedFormat;
}

WaveResult CWaves::deleteWaveFile(int id) {
    if (!wave(id))
        return WaveBadId;
    slots[static_cast<size_t>(id)].reset();
    return WaveOk;
}

const WaveInfo* CWaves::wave(int id) const {
    if (id < 0 || id >= SlotCount)
        return nullptr;
    return slots[static_cast<size_t>(id)].get();
}
