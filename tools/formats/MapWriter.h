#pragma once

#include "files/WorldFile.h"

#include <cstdint>
#include <vector>

// The bytes of a .ktqw file holding `file`, which the game's parseWorldFile reads back equal.
// Throws std::invalid_argument when the file cannot be written so: array sizes that do not match
// the grid ((W + 1) x (H + 1) heights, W x H cell indices), or a text line holding a line feed or
// longer than 253 bytes.
std::vector<uint8_t> writeWorldFile(const WorldFile& file);
