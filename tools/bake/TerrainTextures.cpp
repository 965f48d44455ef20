#include "TerrainTextures.h"

#include "MapGenerator.h"
#include "Noise.h"

#include <cmath>
#include <functional>
#include <utility>

namespace {

constexpr int Size = 256;
constexpr int Period = 8; // noise cells across a tile at the coarsest octave

// A seamless tile: noise coordinates wrap at the tile's edge.
Image tile(const std::function<Rgb(float u, float v)>& shade) {
    Image image(Size, Size);
    image.shadeAll([&](int x, int y, Rgb) {
        return shade(x * static_cast<float>(Period) / Size, y * static_cast<float>(Period) / Size);
    });
    return image;
}

float noise(float u, float v, uint32_t seed, int octaves, float scale = 1.0f) {
    return fractalNoise(u * scale, v * scale, seed, octaves, static_cast<int>(Period * scale));
}

Image grass(Rgb dark, Rgb light, uint32_t seed) {
    return tile([=](float u, float v) {
        const float patches = noise(u, v, seed, 4);
        const float blades = noise(u, v, seed + 1, 2, 8.0f);
        const float speck = latticeValue(static_cast<int>(u * 32), static_cast<int>(v * 32), seed + 2);
        Rgb c = mix(dark, light, smoothstep(0.25f, 0.75f, patches));
        c = c * (0.86f + blades * 0.28f);
        if (speck > 0.985f) {
            c = c * 1.25f; // a flower or a lit tip
        }
        return c;
    });
}

// Round pebbles, one per 16-pixel cell of the tile at a seeded spot: how much of a pebble
// covers pixel (x, y), and its shading from the light above-left.
std::pair<float, float> pebble(int x, int y, uint32_t seed) {
    constexpr int Cell = 16, Cells = Size / Cell;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = x / Cell + dx, cy = y / Cell + dy;
            const int wx = (cx + Cells) % Cells, wy = (cy + Cells) % Cells;
            if (latticeValue(wx, wy, seed) > 0.3f) {
                continue;
            }
            const float px = cx * Cell + latticeValue(wx, wy, seed + 1) * Cell;
            const float py = cy * Cell + latticeValue(wx, wy, seed + 2) * Cell;
            const float radius = 1.0f + latticeValue(wx, wy, seed + 3) * 1.5f;
            const float d = std::hypot(x + 0.5f - px, y + 0.5f - py);
            if (d < radius + 0.5f) {
                const float light = 1.0f + ((px - x) + (py - y)) / (radius * 3.0f);
                return {clamp01(radius + 0.5f - d), light};
            }
        }
    }
    return {0.0f, 1.0f};
}

Image dirt(uint32_t seed) {
    Image image = tile([=](float u, float v) {
        const float ground = noise(u, v, seed, 5);
        Rgb c = mix(rgb(104, 82, 58), rgb(146, 118, 84), ground);
        return c *
               (0.9f + latticeValue(static_cast<int>(u * 32), static_cast<int>(v * 32), seed + 3) * 0.16f);
    });
    image.shadeAll([=](int x, int y, Rgb c) {
        const auto [cover, light] = pebble(x, y, seed + 4);
        const Rgb stone = mix(rgb(118, 102, 82), rgb(150, 136, 116), latticeValue(x / 16, y / 16, seed + 5));
        return mix(c, stone * light, cover);
    });
    return image;
}

Image rock(uint32_t seed) {
    return tile([=](float u, float v) {
        const float mass = noise(u, v, seed, 5);
        const float crack = std::abs(noise(u, v, seed + 1, 3, 2.0f) - 0.5f);
        Rgb c = mix(rgb(96, 92, 84), rgb(150, 144, 132), mass);
        c = c * (crack < 0.018f ? 0.78f : 1.0f);
        const float lichen = noise(u, v, seed + 2, 3, 2.0f);
        return mix(c, rgb(100, 112, 70), smoothstep(0.62f, 0.75f, lichen) * 0.5f);
    });
}

} // namespace

std::vector<NamedPicture> terrainTextures() {
    std::vector<NamedPicture> textures;
    textures.push_back({TerrainTextureNames[Grass], grass(rgb(58, 92, 34), rgb(92, 124, 50), 201)});
    textures.push_back({TerrainTextureNames[Meadow], grass(rgb(104, 112, 52), rgb(146, 140, 76), 211)});
    textures.push_back({TerrainTextureNames[Dirt], dirt(221)});
    textures.push_back({TerrainTextureNames[Rock], rock(231)});
    return textures;
}

Rgb meanColour(const Image& picture) {
    Rgb sum;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            sum = sum + picture.at(x, y);
        }
    }
    return sum * (1.0f / (static_cast<float>(picture.width()) * picture.height()));
}
