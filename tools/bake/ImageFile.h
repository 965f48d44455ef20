#pragma once

#include "Image.h"

#include <filesystem>

enum class Transparency {
    None,     // every pixel keeps its colour
    BlackKey, // uncovered pixels become pure black, covered ones are never pure black
    Alpha,    // a 32-bit picture whose alpha is each pixel's coverage (PNG only)
};

// Saves a 24-bit picture (32-bit with Alpha) in the format its extension names (.png, .bmp, .jpg),
// with the bottom row first as image files keep it. Creates missing folders; throws on failure.
void saveImage(const Image& image, const std::filesystem::path& path,
               Transparency transparency = Transparency::None);
