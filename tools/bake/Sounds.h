#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// The bytes of a mono 16-bit PCM WAV file: the layout every OpenAL implementation takes.
std::vector<uint8_t> monoWav(std::span<const int16_t> samples, uint32_t sampleRate);

// The menu's sounds, synthesised: a short bright click and a soft rising-and-falling swish.
std::vector<uint8_t> clickSound();
std::vector<uint8_t> swishSound();

// The eight unit responses, spoken by espeak-ng and shaped by sox into mono 16-bit PCM WAV
// files in `folder`: clipped, radio-like lines for the marine, plainer ones for the worker.
// Throws when either program is missing or fails.
void speakUnitResponses(const std::filesystem::path& folder);
