#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// RIFF WAVE files built byte by byte for the tests.
namespace wavebytes {

struct Chunk {
    std::string id;
    std::vector<uint8_t> body;
};

// The file: the two tags, then each chunk with its pad byte after an odd size.
std::vector<uint8_t> riff(const std::vector<Chunk>& chunks, const std::string& riffTag = "RIFF",
                          const std::string& waveTag = "WAVE");

std::vector<uint8_t> pcmFormat(uint16_t channels, uint16_t bits, uint32_t rate = 22050);
std::vector<uint8_t> extensibleFormat(uint16_t channels, uint16_t bits, uint32_t channelMask,
                                      uint32_t rate = 22050);

// Mono 16-bit samples of a loud tone.
std::vector<uint8_t> tone(int sampleCount);

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

} // namespace wavebytes
