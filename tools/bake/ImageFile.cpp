#include "ImageFile.h"

#include <FreeImage.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

uint8_t toByte(float v) {
    return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f));
}

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};

int saveFlags(FREE_IMAGE_FORMAT format) {
    // High quality with full-resolution colour: the sky's gradients band badly otherwise.
    return format == FIF_JPEG ? (92 | JPEG_SUBSAMPLING_444 | JPEG_OPTIMIZE) : 0;
}

} // namespace

void saveImage(const Image& image, const std::filesystem::path& path, Transparency transparency) {
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(path.string().c_str());
    if (format == FIF_UNKNOWN) {
        throw std::runtime_error("no image format for " + path.string());
    }
    const int bytesPerPixel = transparency == Transparency::Alpha ? 4 : 3;
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap(
        FreeImage_Allocate(image.width(), image.height(), bytesPerPixel * 8));
    if (!bitmap) {
        throw std::runtime_error("out of memory for " + path.string());
    }
    for (int y = 0; y < image.height(); ++y) {
        BYTE* line = FreeImage_GetScanLine(bitmap.get(), image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.at(x, y);
            uint8_t red = toByte(c.r);
            uint8_t green = toByte(c.g);
            uint8_t blue = toByte(c.b);
            if (transparency == Transparency::BlackKey) {
                if (image.coverageAt(x, y) < 0.5f) {
                    red = green = blue = 0;
                } else if (red == 0 && green == 0 && blue == 0) {
                    blue = 1; // pure black would vanish
                }
            }
            BYTE* pixel = line + x * bytesPerPixel;
            pixel[FI_RGBA_RED] = red;
            pixel[FI_RGBA_GREEN] = green;
            pixel[FI_RGBA_BLUE] = blue;
            if (transparency == Transparency::Alpha) {
                pixel[FI_RGBA_ALPHA] = toByte(image.coverageAt(x, y));
            }
        }
    }
    std::filesystem::create_directories(path.parent_path());
    if (!FreeImage_Save(format, bitmap.get(), path.string().c_str(), saveFlags(format))) {
        throw std::runtime_error("could not write " + path.string());
    }
}
