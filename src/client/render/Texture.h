#pragma once

#include "files/ImageFile.h"

#include <cstdint>
#include <string>

// How a texture is sampled: 0 nearest, 1 linear, 2 a full mipmap chain (linear magnification,
// linear-mipmap-nearest minification). Any other value makes the texture name but uploads nothing.
using TextureFilter = int;

// A texture handle. `id` is the OpenGL texture name, 0 until a load succeeds.
struct Texture {
    uint32_t id = 0;
    std::string path;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0; // 8 grey with alpha, 24 colour, 32 colour with alpha

    // The plain loader (see decodeImage). On failure shows "Couldn't load texture " + path + "!"
    // and returns false, leaving the record as it was. Needs a current OpenGL context.
    bool load(const std::string& path, TextureFilter filter);
    // The same for a picture decoded already (`path` names it).
    void load(const DecodedImage& image, const std::string& path, TextureFilter filter);
    // Gives the texture back to OpenGL; `id` is 0 again.
    void release();
};

// How the mipmapped textures (the terrain's, the models') are sampled: the finest level drawn (0
// the full picture; 1 and 2 start at a half and a quarter of it, for a weaker machine) and whether
// neighbouring levels are blended (trilinear) or the nearest is taken (bilinear, the default).
struct TextureSampling {
    int finestLevel = 0;
    bool trilinear = false;

    bool operator==(const TextureSampling&) const = default;
};

// Applies the sampling to every mipmapped texture loaded so far and to those loaded later.
void setTextureSampling(const TextureSampling& sampling);

// The colour-keyed loader: an RGBA texture in which pixels of the colour `colourKey` (red in the
// lowest byte) are fully transparent and all others opaque. Sets only `id` and `path`; fails as
// Texture::load does.
bool loadColorKeyedTexture(Texture& texture, const std::string& path, uint32_t colourKey,
                           TextureFilter filter);
