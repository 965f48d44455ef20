#include "client/render/GlyphImage.h"

#include <cstddef>

namespace {

int32_t nextPowerOfTwo(int32_t n) {
    int32_t power = 1;
    while (power < n)
        power <<= 1;
    return power;
}

} // namespace

GlyphImage layoutGlyph(const uint8_t* bitmap, int32_t width, int32_t rows, int32_t pitch) {
    GlyphImage image;
    image.width = nextPowerOfTwo(width);
    image.height = nextPowerOfTwo(rows);
    image.texels.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 2, 0);
    for (int32_t row = 0; row < rows; ++row) {
        const uint8_t* source = bitmap + static_cast<ptrdiff_t>(row) * pitch;
        const size_t textureRow = static_cast<size_t>(rows - 1 - row);
        uint8_t* target = image.texels.data() + textureRow * static_cast<size_t>(image.width) * 2;
        for (int32_t column = 0; column < width; ++column) {
            target[column * 2] = source[column];
            target[column * 2 + 1] = source[column];
        }
    }
    return image;
}
