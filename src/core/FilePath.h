#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The game writes its paths with backslashes ("data\maps\motac.ktqw"); every path it opens
// passes through here, which turns them into the platform's separators.
std::string normalisePath(const std::string& gamePath);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<uint8_t>> readFileBytes(const std::string& gamePath);
