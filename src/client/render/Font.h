#pragma once

#include <array>
#include <cstdint>
#include <string>

// A TrueType font rasterised once into one texture per character. Text is 7-bit: only character
// codes 0 to 127 have glyphs. Every print takes a size; -1 means the font's own size, any other
// size scales each metric separately (m * size / font size, truncated toward zero).
struct Font {
    static constexpr int GlyphCount = 128;

    std::array<uint32_t, GlyphCount> textures{};
    std::array<int32_t, GlyphCount> advance{};
    std::array<int32_t, GlyphCount> descent{}; // how far the glyph reaches below the baseline
    std::array<int32_t, GlyphCount> bearing{}; // left side bearing
    std::array<int32_t, GlyphCount> textureWidth{};
    std::array<int32_t, GlyphCount> textureHeight{};
    int32_t size = 0;       // the pixel height the font was rasterised at
    int32_t lineHeight = 0; // the tallest glyph: the distance between lines
    bool ready = false;     // a font that is not ready prints nothing
};

// Rasterises characters 0 to 127. False, leaving the font not ready, when the file cannot be
// opened as a font or the pixel size is not positive.
bool loadFont(Font& font, const std::string& path, int pixelSize);

// Draws text with its first baseline at window pixel (x, y); a line feed starts a new line one
// line height lower at x. With ortho false the caller is already in 2-D mode. The caller sets
// the colour and enables texturing.
void print(const Font& font, const std::string& text, int x, int y, int size, bool ortho);

// The sum of the scaled advances of all characters, line feeds included; 0 for a font that is not
// ready.
int32_t textWidth(const Font& font, const std::string& text, int size);

// Prints text word-wrapped between left and right, its first baseline one line below top, each
// line left-aligned or centred. A word wider than the box gets a line of its own.
void printBox(const Font& font, const std::string& text, int left, int right, int top, int size, bool centred,
              bool ortho);
