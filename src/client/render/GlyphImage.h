#pragma once

#include <cstdint>
#include <vector>

// A glyph's coverage bitmap laid out as a luminance-alpha texture image: both sides rounded up
// to a power of two, rows bottom-up so the glyph sits in the lower-left corner, both channels
// holding the coverage byte, and zeros elsewhere.
struct GlyphImage {
    int32_t width = 1;
    int32_t height = 1;
    std::vector<uint8_t> texels; // width * height pairs (luminance, alpha)
};

// bitmap holds rows top-down, each pitch bytes apart, one coverage byte per pixel.
GlyphImage layoutGlyph(const uint8_t* bitmap, int32_t width, int32_t rows, int32_t pitch);
