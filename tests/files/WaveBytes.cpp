#include "files/WaveBytes.h"

#include <cmath>
#include <fstream>

namespace wavebytes {

namespace {

void put16(std::vector<uint8_t>& bytes, uint32_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& bytes, uint32_t value) {
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

void putTag(std::vector<uint8_t>& bytes, const std::string& tag) {
    bytes.insert(bytes.end(), tag.begin(), tag.end());
}

} // namespace

std::vector<uint8_t> riff(const std::vector<Chunk>& chunks, const std::string& riffTag,
                          const std::string& waveTag) {
    std::vector<uint8_t> body;
    putTag(body, waveTag);
    for (const Chunk& chunk : chunks) {
        putTag(body, chunk.id);
        put32(body, static_cast<uint32_t>(chunk.body.size()));
        body.insert(body.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2)
            body.push_back(0);
    }
    std::vector<uint8_t> file;
    putTag(file, riffTag);
    put32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<uint8_t> pcmFormat(uint16_t channels, uint16_t bits, uint32_t rate) {
    std::vector<uint8_t> body;
    uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    put16(body, 1);
    put16(body, channels);
    put32(body, rate);
    put32(body, rate * blockAlign);
    put16(body, blockAlign);
    put16(body, bits);
    return body;
}

std::vector<uint8_t> extensibleFormat(uint16_t channels, uint16_t bits, uint32_t channelMask, uint32_t rate) {
    std::vector<uint8_t> body = pcmFormat(channels, bits, rate);
    body[0] = 0xFE;
    body[1] = 0xFF;
    put16(body, 22);
    put16(body, bits);
    put32(body, channelMask);
    put32(body, 1); // the PCM sub-format GUID
    put32(body, 0x00100000);
    put32(body, 0xAA000080);
    put32(body, 0x719B3800);
    return body;
}

std::vector<uint8_t> tone(int sampleCount) {
    std::vector<uint8_t> samples;
    for (int i = 0; i < sampleCount; ++i)
        put16(samples, static_cast<uint16_t>(static_cast<int16_t>(20000 * std::sin(i * 0.2))));
    return samples;
}

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace wavebytes
