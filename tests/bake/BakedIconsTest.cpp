// The desktop icons the bake writes beside the data folder (icons/, the hicolor theme's layout).
#include "files/ImageFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Rgba {
    uint8_t r, g, b, a;
};

Rgba pixel(const DecodedImage& image, int x, int y) {
    const uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

// Each size is a square picture with alpha: transparent in its corners, opaque in its middle, and
// showing the figure in player 1's blue, so a desktop shows a badge and not a blank square.
TEST(BakedIcons, EachSizeIsATransparentCorneredBadgeWithTheBlueFigure) {
    for (const int size : {48, 128, 256}) {
        const std::string path =
            "icons/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/orvalen.png";
        const auto icon = decodeImage(path);
        ASSERT_TRUE(icon) << path;
        EXPECT_EQ(icon->fileType, "PNG") << path;
        ASSERT_EQ(icon->format, PixelFormat::Rgba) << path;
        ASSERT_EQ(icon->width, size) << path;
        ASSERT_EQ(icon->height, size) << path;
        for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
            EXPECT_EQ(pixel(*icon, x, y).a, 0) << path << " corner " << x << ", " << y;
        EXPECT_EQ(pixel(*icon, size / 2, size / 2).a, 255) << path;
        int blue = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const Rgba p = pixel(*icon, x, y);
                blue += p.a == 255 && p.b > 2 * p.r && p.b > 2 * p.g && p.b > 80;
            }
        EXPECT_GT(blue, size * size / 50) << path << ": the figure's team colour hardly shows";
    }
}

} // namespace
