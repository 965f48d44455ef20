#include "files/WaveFile.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t RiffHeaderSize = 12;
constexpr size_t ChunkHeaderSize = 8;
constexpr size_t FormatBodySize = 40;
constexpr size_t PcmFormatSize = 16;
constexpr uint16_t PcmTag = 1;
constexpr uint16_t ExtensibleTag = 0xFFFE;

uint16_t read16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t read32(const uint8_t* at) {
    return static_cast<uint32_t>(read16(at)) | static_cast<uint32_t>(read16(at + 2)) << 16;
}

bool sameTag(const uint8_t* at, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        if (std::tolower(at[i]) != std::tolower(static_cast<unsigned char>(tag[i])))
            return false;
    }
    return true;
}

WaveFormat decodeFormat(const std::array<uint8_t, FormatBodySize>& body) {
    WaveFormat format;
    format.formatTag = read16(&body[0]);
    format.channels = read16(&body[2]);
    format.samplesPerSec = read32(&body[4]);
    format.avgBytesPerSec = read32(&body[8]);
    format.blockAlign = read16(&body[12]);
    format.bitsPerSample = read16(&body[14]);
    format.cbSize = read16(&body[16]);
    format.validBitsPerSample = read16(&body[18]);
    format.channelMask = read32(&body[20]);
    std::copy_n(&body[24], format.subFormat.size(), format.subFormat.begin());
    return format;
}

// A format chunk of the two kinds the game knows replaces the one read before; others change
// nothing. Fields the body does not reach read as zero.
void readFormatChunk(std::span<const uint8_t> body, WaveInfo& info) {
    std::array<uint8_t, FormatBodySize> buffer{};
    std::copy(body.begin(), body.end(), buffer.begin());
    uint16_t tag = read16(buffer.data());
    if (tag == PcmTag) {
        std::fill(buffer.begin() + PcmFormatSize, buffer.end(), 0);
        info.kind = WavePcm;
        info.format = decodeFormat(buffer);
    } else if (tag == ExtensibleTag) {
        info.kind = WaveExtensible;
        info.format = decodeFormat(buffer);
    }
}

bool isMonoOrStereoLayout(const WaveInfo& info) {
    if (info.kind == WavePcm)
        return true;
    uint32_t mask = info.format.channelMask;
    if (info.format.channels == 1)
        return mask == 0 || mask == 3 || mask == 4;
    return info.format.channels == 2 && mask == 3;
}

const char* monoOrStereoName(uint16_t channels, uint16_t bits) {
    static const char* const Names[2][3] = {
        {"AL_FORMAT_MONO_IMA4", "AL_FORMAT_MONO8", "AL_FORMAT_MONO16"},
        {"AL_FORMAT_STEREO_IMA4", "AL_FORMAT_STEREO8", "AL_FORMAT_STEREO16"},
    };
    if ((channels != 1 && channels != 2) || (bits != 4 && bits != 8 && bits != 16))
        return nullptr;
    return Names[channels - 1][bits == 4 ? 0 : bits / 8];
}

const char* multiChannelName(const WaveInfo& info) {
    struct Layout {
        WaveKind kind;
        uint16_t channels;
        uint32_t mask; // extensible only
        const char* name;
    };
    static const Layout Layouts[] = {
        {WavePcm, 4, 0, "AL_FORMAT_QUAD16"},
        {WaveExtensible, 2, 0x30, "AL_FORMAT_REAR16"},
        {WaveExtensible, 4, 0x33, "AL_FORMAT_QUAD16"},
        {WaveExtensible, 6, 0x3F, "AL_FORMAT_51CHN16"},
        {WaveExtensible, 7, 0x13F, "AL_FORMAT_61CHN16"},
        {WaveExtensible, 8, 0x63F, "AL_FORMAT_71CHN16"},
    };
    if (info.format.bitsPerSample != 16)
        return nullptr;
    for (const Layout& layout : Layouts) {
        if (layout.kind == info.kind && layout.channels == info.format.channels &&
            (info.kind == WavePcm || layout.mask == info.format.channelMask))
            return layout.name;
    }
    return nullptr;
}

} // namespace

WaveResult parseFile(std::span<const uint8_t> bytes, WaveInfo& info) {
    info = WaveInfo{};
    if (bytes.size() < RiffHeaderSize || !sameTag(&bytes[0], "RIFF") || !sameTag(&bytes[8], "WAVE"))
        return WaveBadFile;

    size_t position = RiffHeaderSize;
    while (position <= bytes.size() && bytes.size() - position >= ChunkHeaderSize) {
        const uint8_t* header = &bytes[position];
        uint32_t size = read32(header + 4);
        position += ChunkHeaderSize;
        size_t available = bytes.size() - position;
        // A format body cut off by the end of the file is not a format.
        if (sameTag(header, "fmt ") && size <= FormatBodySize && size <= available)
            readFormatChunk(bytes.subspan(position, size), info);
        else if (sameTag(header, "data")) {
            info.dataSize = size;
            info.dataOffset = static_cast<int32_t>(position);
        }
        position += size + (size & 1);
    }

    bool found = info.dataSize != 0 && info.dataOffset != 0 && info.kind != WaveUnknown;
    return found ? WaveOk : WaveBadFile;
}

const char* alBufferFormatName(const WaveInfo& info) {
    if (info.kind == WaveUnknown)
        return nullptr;
    if (isMonoOrStereoLayout(info)) {
        if (const char* name = monoOrStereoName(info.format.channels, info.format.bitsPerSample))
            return name;
    }
    return multiChannelName(info);
}

const char* waveResultName(WaveResult result) {
    switch (result) {
    case WaveOk:
        return "WaveOk";
    case WaveCannotOpen:
        return "WaveCannotOpen";
    case WaveBadFile:
        return "WaveBadFile";
    case WaveBadParameter:
        return "WaveBadParameter";
    case WaveBadId:
        return "WaveBadId";
    case WaveNoMemory:
        return "WaveNoMemory";
    case WaveUnsupportedFormat:
        return "WaveUnsupportedFormat";
    }
    return "unknown WaveResult";
}
