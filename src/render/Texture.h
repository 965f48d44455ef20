#pragma once

#include <cstdint>
#include <string>

// A texture handle. `id` is the OpenGL texture name, 0 until a load succeeds.
struct Texture {
    uint32_t id = 0;
    std::string path;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
};
