#include "client/render/Texture.h"
#include "files/ImageFile.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <FreeImage.h>
#include <GL/glew.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

class TextureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        recordedMessageBoxes.clear();
    }

    // An image of `bits` per pixel whose pixel (x, y), counted from the bottom left, has `colour`
    // (8-bit images take the red value as their palette index), saved in `format` as `name`.
    std::string save(const std::string& name, int width, int height, int bits,
                     const std::function<Rgba(int, int)>& colour, FREE_IMAGE_FORMAT format = FIF_PNG,
                     const std::vector<Rgba>& palette = {}) {
        FIBITMAP* image = FreeImage_Allocate(width, height, bits);
        for (std::size_t i = 0; i < palette.size(); ++i) {
            RGBQUAD& entry = FreeImage_GetPalette(image)[i];
            entry = {palette[i].b, palette[i].g, palette[i].r, 0};
        }
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const Rgba c = colour(x, y);
                if (bits == 8) {
                    BYTE index = c.r;
                    FreeImage_SetPixelIndex(image, x, y, &index);
                } else {
                    RGBQUAD quad = {c.b, c.g, c.r, c.a};
                    FreeImage_SetPixelColor(image, x, y, &quad);
                }
            }
        const std::string path = (folder_ / name).string();
        EXPECT_TRUE(FreeImage_Save(format, image, path.c_str(), 0));
        FreeImage_Unload(image);
        return path;
    }

    const ScratchFolder folder_;
};

// Level 0 of the texture as RGBA, rows from the bottom of the picture.
std::vector<Rgba> texels(const Texture& texture, int width, int height) {
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    std::vector<Rgba> pixels(static_cast<std::size_t>(width) * height);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

TEST_F(TextureTest, OddWidthImageUploadsEveryPixelInItsPlace) {
    const auto colour = [](int x, int y) {
        return Rgba{static_cast<uint8_t>(40 * x + 1), static_cast<uint8_t>(60 * y + 2), 200};
    };
    const std::string path = save("odd.bmp", 5, 3, 24, colour, FIF_BMP);
    for (int filter = 0; filter <= 1; ++filter) {
        Texture texture;
        ASSERT_TRUE(texture.load(path, filter));
        EXPECT_EQ(std::pair(texture.width, texture.height), std::pair(5, 3));
        const std::vector<Rgba> pixels = texels(texture, 5, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(pixels[y * 5 + x], colour(x, y)) << "filter " << filter << " at " << x << ", " << y;
        GLint minification = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minification);
        EXPECT_EQ(minification, filter == 0 ? GL_NEAREST : GL_LINEAR);
    }
}

TEST_F(TextureTest, GreyKeepsGreyAsAlphaPaletteBecomesColourAndThirtyTwoBitsKeepTheirAlpha) {
    const std::vector<Rgba> palette = {{255, 0, 0}, {0, 0, 255}, {10, 200, 30}};
    const std::vector<Rgba> translucent = {{1, 2, 3, 0}, {1, 2, 3, 120}, {1, 2, 3, 240}};
    const struct {
        std::string name;
        int bits;
        std::vector<Rgba> row; // 8 bits: the red values are grey levels or palette indices
        std::vector<Rgba> palette;
        int bitsPerPixel;
        std::vector<Rgba> texels; // luminance reads back as red
    } cases[] = {
        {"grey.png", 8, {{0}, {100}, {200}}, {}, 8, {{0, 0, 0, 0}, {100, 0, 0, 100}, {200, 0, 0, 200}}},
        {"palette.png", 8, {{0}, {1}, {2}}, palette, 24, palette},
        {"alpha.png", 32, translucent, {}, 32, translucent},
    };
    for (const auto& c : cases) {
        Texture texture;
        const auto colour = [&](int x, int) { return c.row[x]; };
        ASSERT_TRUE(texture.load(save(c.name, 3, 1, c.bits, colour, FIF_PNG, c.palette), 0)) << c.name;
        EXPECT_EQ(texture.bitsPerPixel, c.bitsPerPixel) << c.name;
        EXPECT_EQ(texels(texture, 3, 1), c.texels) << c.name;
    }
}

TEST_F(TextureTest, ColourKeyMakesExactlyThatColourTransparent) {
    const std::vector<Rgba> row = {{0, 0, 0}, {0, 0, 1}, {10, 20, 30}, {1, 0, 0}};
    const std::string path = save("keyed.png", 4, 1, 24, [&](int x, int) { return row[x]; });
    Texture black;
    ASSERT_TRUE(loadColorKeyedTexture(black, path, 0, 1));
    EXPECT_EQ(black.path, path);
    EXPECT_EQ(texels(black, 4, 1),
              (std::vector<Rgba>{{0, 0, 0, 0}, {0, 0, 1, 255}, {10, 20, 30, 255}, {1, 0, 0, 255}}));
    Texture other;
    ASSERT_TRUE(loadColorKeyedTexture(other, path, 10 + 20 * 256 + 30 * 65536, 1));
    EXPECT_EQ(texels(other, 4, 1)[2].a, 0);
    EXPECT_EQ(texels(other, 4, 1)[0].a, 255);

    // Any depth is keyed as 24-bit colour.
    const std::string grey = save("keyed-grey.png", 2, 1, 8, [](int x, int) {
        return Rgba{uint8_t(x * 9), 0, 0};
    });
    ASSERT_TRUE(loadColorKeyedTexture(other, grey, 0, 0));
    EXPECT_EQ(texels(other, 2, 1), (std::vector<Rgba>{{0, 0, 0, 0}, {9, 9, 9, 255}}));
}

TEST_F(TextureTest, MissingOrRefusedImagesShowOneMessageEachAndKeepTheRecord) {
    Texture texture;
    texture.id = 77;
    EXPECT_FALSE(texture.load("data\\textures\\no_such_image.png", 2));
    EXPECT_EQ(texture.id, 77u);
    EXPECT_TRUE(texture.path.empty());
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Couldn't load texture data\\textures\\no_such_image.png!");
    EXPECT_EQ(recordedMessageBoxes[0].caption, "Error");

    const std::string notAnImage = (folder_ / "text.png").string();
    std::ofstream(notAnImage) << "not an image";
    EXPECT_FALSE(loadColorKeyedTexture(texture, notAnImage, 0, 1));
    ASSERT_EQ(recordedMessageBoxes.size(), 2u);
    EXPECT_EQ(recordedMessageBoxes[1].text, "Couldn't load texture " + notAnImage + "!");

    // 24-bit BMP headers that claim a picture but store none of its pixels.
    const auto claimed = [&](const std::string& name, int32_t width, int32_t height) {
        const std::string path = (folder_ / name).string();
        std::ofstream out(path, std::ios::binary);
        const auto put = [&](uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                out.put(static_cast<char>(value >> (8 * i)));
        };
        out << "BM";
        put(54, 4), put(0, 4), put(54, 4);                                // file header
        put(40, 4), put(width, 4), put(height, 4), put(1, 2), put(24, 2); // info header
        out << std::string(24, '\0'); // no compression, sizes and palette left to the reader
        return path;
    };
    const auto grey = [](int, int) { return Rgba{90, 90, 90}; };
    const int32_t side = static_cast<int32_t>(MaxImageSide);
    for (const std::string& path :
         {save("picture.tif", 2, 2, 24, grey, FIF_TIFF), save("tiff-inside.png", 2, 2, 24, grey, FIF_TIFF),
          claimed("wide.bmp", side + 1, 1), claimed("tall.bmp", 1, side + 1),
          claimed("vast.bmp", 4097, 4097)})
        EXPECT_FALSE(texture.load(path, 0)) << path;
    EXPECT_EQ(recordedMessageBoxes.size(), 7u) << "images of other formats or beyond the size limit";

    Texture accepted;
    EXPECT_TRUE(accepted.load(save("bitmap-inside.jpg", 2, 2, 24, grey, FIF_BMP), 0))
        << "the content decides";
    EXPECT_TRUE(accepted.load(save("longest.png", side, 1, 24, grey), 0));
}

} // namespace
