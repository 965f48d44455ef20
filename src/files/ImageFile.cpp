#include "files/ImageFile.h"

#include <FreeImage.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

struct Unload {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, Unload>;

// The formats the game's images come in.
constexpr std::array<FREE_IMAGE_FORMAT, 3> ImageFormats = {FIF_BMP, FIF_JPEG, FIF_PNG};

bool hasAllowedSize(FIBITMAP* bitmap) {
    const uint64_t width = FreeImage_GetWidth(bitmap);
    const uint64_t height = FreeImage_GetHeight(bitmap);
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
           width * height <= MaxImagePixels;
}

// A small file can claim a picture of gigabytes: where the library can read the header alone,
// the size is checked before a single pixel is decoded.
bool headerAllowsLoading(FREE_IMAGE_FORMAT type, const std::string& path) {
    if (!FreeImage_FIFSupportsNoPixels(type))
        return true;
    const Bitmap header(FreeImage_Load(type, path.c_str(), FIF_LOAD_NOPIXELS));
    return header && hasAllowedSize(header.get());
}

// The type among ImageFormats by the file's content, else by its name; FIF_UNKNOWN for any other.
// Only these readers are asked: recognising content with all of the library's readers runs every
// one of them on the file, and its RAW reader corrupts memory on some files.
FREE_IMAGE_FORMAT fileType(const std::string& path) {
    for (const FREE_IMAGE_FORMAT type : ImageFormats)
        if (FreeImage_Validate(type, path.c_str()))
            return type;
    const FREE_IMAGE_FORMAT byName = FreeImage_GetFIFFromFilename(path.c_str());
    return std::find(ImageFormats.begin(), ImageFormats.end(), byName) != ImageFormats.end() ? byName
                                                                                             : FIF_UNKNOWN;
}

// The file's type by content, else by name; the decoded bitmap in the standard pixel type.
Bitmap openBitmap(const std::string& path, DecodedImage& image) {
    const FREE_IMAGE_FORMAT type = fileType(path);
    if (type == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(type) || !headerAllowsLoading(type, path))
        return nullptr;
    Bitmap bitmap(FreeImage_Load(type, path.c_str(), 0));
    if (!bitmap || !FreeImage_GetBits(bitmap.get()) || !hasAllowedSize(bitmap.get()))
        return nullptr;
    image.fileType = FreeImage_GetFormatFromFIF(type);
    image.width = static_cast<int32_t>(FreeImage_GetWidth(bitmap.get()));
    image.height = static_cast<int32_t>(FreeImage_GetHeight(bitmap.get()));
    image.fileBitsPerPixel = static_cast<int32_t>(FreeImage_GetBPP(bitmap.get()));
    if (FreeImage_GetImageType(bitmap.get()) != FIT_BITMAP)
        bitmap.reset(FreeImage_ConvertToStandardType(bitmap.get(), TRUE));
    return bitmap;
}

bool isGreyscale(FIBITMAP* bitmap) {
    return FreeImage_GetBPP(bitmap) == 8 && FreeImage_GetColorType(bitmap) == FIC_MINISBLACK;
}

// Every pixel of `bitmap`, row by row from the bottom, through the library's real row pitch, each
// turned into `channels` bytes of `image`. The pixels are sized once and written in place: growing
// the vector a pixel at a time made decoding several times slower.
template <class Pixel>
void forEachPixel(FIBITMAP* bitmap, int bytesPerPixel, DecodedImage& image, int channels, Pixel pixel) {
    const unsigned width = FreeImage_GetWidth(bitmap);
    const unsigned height = FreeImage_GetHeight(bitmap);
    image.pixels.resize(static_cast<std::size_t>(width) * height * channels);
    uint8_t* out = image.pixels.data();
    for (unsigned y = 0; y < height; ++y) {
        const BYTE* row = FreeImage_GetScanLine(bitmap, static_cast<int>(y));
        for (unsigned x = 0; x < width; ++x, out += channels)
            pixel(row + x * bytesPerPixel, out);
    }
}

// The library keeps colour in its own byte order; the image keeps red, green, blue.
void copyRgb(const BYTE* p, uint8_t* out) {
    out[0] = p[FI_RGBA_RED];
    out[1] = p[FI_RGBA_GREEN];
    out[2] = p[FI_RGBA_BLUE];
}

void fillGrey(FIBITMAP* bitmap, DecodedImage& image) {
    image.format = PixelFormat::LuminanceAlpha;
    image.bitsPerPixel = 8;
    forEachPixel(bitmap, 1, image, 2, [](const BYTE* p, uint8_t* out) { out[0] = out[1] = p[0]; });
}

void fillRgba(FIBITMAP* bitmap, DecodedImage& image) {
    image.format = PixelFormat::Rgba;
    image.bitsPerPixel = 32;
    forEachPixel(bitmap, 4, image, 4, [](const BYTE* p, uint8_t* out) {
        copyRgb(p, out);
        out[3] = p[FI_RGBA_ALPHA];
    });
}

Bitmap toColour(FIBITMAP* bitmap) {
    return Bitmap(FreeImage_ConvertTo24Bits(bitmap));
}

bool fillRgb(FIBITMAP* bitmap, DecodedImage& image) {
    const Bitmap colour = toColour(bitmap);
    if (!colour)
        return false;
    image.format = PixelFormat::Rgb;
    image.bitsPerPixel = 24;
    forEachPixel(colour.get(), 3, image, 3, copyRgb);
    return true;
}

} // namespace

std::optional<DecodedImage> decodeImage(const std::string& path) {
    DecodedImage image;
    const Bitmap bitmap = openBitmap(path, image);
    if (!bitmap)
        return std::nullopt;
    if (isGreyscale(bitmap.get()))
        fillGrey(bitmap.get(), image);
    else if (FreeImage_GetBPP(bitmap.get()) == 32)
        fillRgba(bitmap.get(), image);
    else if (!fillRgb(bitmap.get(), image))
        return std::nullopt;
    return image;
}

std::optional<DecodedImage> decodeColorKeyedImage(const std::string& path, uint32_t colourKey) {
    DecodedImage image;
    const Bitmap bitmap = openBitmap(path, image);
    const Bitmap colour = bitmap ? toColour(bitmap.get()) : nullptr;
    if (!colour)
        return std::nullopt;
    image.format = PixelFormat::Rgba;
    image.bitsPerPixel = 32;
    forEachPixel(colour.get(), 3, image, 4, [colourKey](const BYTE* p, uint8_t* out) {
        copyRgb(p, out);
        const uint32_t value = out[0] | (out[1] << 8) | (out[2] << 16);
        out[3] = value == colourKey ? 0 : 255;
    });
    return image;
}

std::array<uint8_t, 3> meanColour(const DecodedImage& image) {
    const std::size_t channels = image.format == PixelFormat::LuminanceAlpha ? 2
                                 : image.format == PixelFormat::Rgba         ? 4
                                                                             : 3;
    const std::size_t pixels = image.pixels.size() / channels;
    if (pixels == 0)
        return {0, 0, 0};
    std::array<uint64_t, 3> sums{};
    for (std::size_t i = 0; i < pixels; ++i)
        for (std::size_t c = 0; c < 3; ++c)
            sums[c] += image.pixels[i * channels + (channels == 2 ? 0 : c)];
    return {static_cast<uint8_t>(sums[0] / pixels), static_cast<uint8_t>(sums[1] / pixels),
            static_cast<uint8_t>(sums[2] / pixels)};
}
