// An image file as the texture loaders decode it through FreeImage. The input's first byte picks
// the file's name (which the loaders fall back on when the content is not recognised) and the
// loader; the rest is the file.
#include "FuzzTarget.h"

#include "InputFile.h"

#include "files/ImageFile.h"

#include <array>

namespace {

const std::array<InputFile, 3> Files = {InputFile("input.bmp"), InputFile("input.jpg"),
                                        InputFile("input.png")};
constexpr uint32_t Magenta = 0xFF00FF;

std::size_t channels(PixelFormat format) {
    return format == PixelFormat::LuminanceAlpha ? 2 : format == PixelFormat::Rgb ? 3 : 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string& path = Files[data[0] % Files.size()].write(data + 1, size - 1);
    const bool colourKeyed = data[0] / Files.size() % 2 == 1;
    const auto image = colourKeyed ? decodeColorKeyedImage(path, Magenta) : decodeImage(path);
    if (!image)
        return 0;
    require(image->width > 0 && image->height > 0, "a decoded image has pixels");
    require(image->pixels.size() ==
                static_cast<std::size_t>(image->width) * image->height * channels(image->format),
            "the pixels fill width x height in the image's format");
    return 0;
}
