#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class PixelFormat { LuminanceAlpha, Rgb, Rgba };

// An image file decoded for a texture: rows bottom first (as the picture's bottom edge is t = 0),
// tightly packed in `format`.
struct DecodedImage {
    std::string fileType; // the image library's name for the file's format, e.g. "PNG"
    int32_t width = 0;
    int32_t height = 0;
    int32_t fileBitsPerPixel = 0; // as the file stores its pixels
    int32_t bitsPerPixel = 0;     // as the texture keeps them: 8 grey, 24 colour, 32 colour and alpha
    PixelFormat format = PixelFormat::Rgb;
    std::vector<uint8_t> pixels;
};

// Larger images are refused as a whole: a texture needs far less, and a few bytes of header can
// claim gigabytes of pixels.
constexpr uint32_t MaxImageSide = 8192;
constexpr uint64_t MaxImagePixels = 4096 * 4096;

// The plain loader's reading of a BMP, JPEG or PNG file, recognised by its content first and by
// its name second. An 8-bit greyscale image becomes luminance-alpha with alpha equal to the grey level; a
// 32-bit image keeps its alpha; every other image (palette images included) becomes 24-bit
// colour. Nothing when the file cannot be read, has no pixels or is too large. Needs no OpenGL.
std::optional<DecodedImage> decodeImage(const std::string& path);

// The image's mean colour, red, green and blue; grey for a luminance image. Black for no pixels.
std::array<uint8_t, 3> meanColour(const DecodedImage& image);

// The colour-keyed loader's reading: the image as 24-bit colour, then RGBA with alpha 0 where a
// pixel's red + green * 256 + blue * 65536 equals `colourKey` and 255 elsewhere.
std::optional<DecodedImage> decodeColorKeyedImage(const std::string& path, uint32_t colourKey);
