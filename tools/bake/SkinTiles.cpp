#include "SkinTiles.h"

#include "MeshBuilder.h"
#include "Noise.h"

#include <cmath>

namespace {

// Shade of a surface at tile pixel (x, y): 1 is the base colour.
float surfaceShade(Surface surface, int x, int y, uint32_t seed) {
    const float grain = fractalNoise(x / 4.0f, y / 4.0f, seed, 3) - 0.5f;
    const float fine = latticeValue(x, y, seed + 7) - 0.5f;
    switch (surface) {
    case Surface::Plain:
        return 1.0f + grain * 0.12f + fine * 0.05f;
    case Surface::Cloth:
        return 1.0f + grain * 0.18f + ((x + y) % 2 == 0 ? 0.05f : -0.05f) + fine * 0.06f;
    case Surface::Plate: {
        const bool seam = y == 15 || y == 16;
        const bool rivet = (x == 4 || x == 27) && (y == 5 || y == 26);
        return (seam ? 0.7f : 1.0f) + (rivet ? 0.35f : 0.0f) + grain * 0.1f + fine * 0.04f;
    }
    case Surface::Bricks: {
        const int course = y / 6;
        const int offset = course % 2 == 0 ? 0 : 5;
        const bool mortar = y % 6 == 5 || (x + offset) % 10 == 9;
        const float brick = latticeValue((x + offset) / 10, course, seed) - 0.5f;
        return mortar ? 1.35f : 0.95f + brick * 0.2f + fine * 0.08f;
    }
    case Surface::Planks: {
        const bool gap = x % 8 == 7;
        const float board = latticeValue(x / 8, 0, seed) - 0.5f;
        const float rings = std::sin((y + board * 40.0f) * 0.6f + x * 0.2f) * 0.05f;
        return gap ? 0.55f : 1.0f + board * 0.18f + rings + fine * 0.05f;
    }
    case Surface::RoofTiles: {
        const int course = y / 5;
        const int offset = course % 2 == 0 ? 0 : 4;
        const float edge = (y % 5) / 4.0f;
        const bool gap = (x + offset) % 8 == 7;
        return gap ? 0.6f : 0.8f + edge * 0.3f + (latticeValue((x + offset) / 8, course, seed) - 0.5f) * 0.2f;
    }
    case Surface::Stripes:
        return ((x + y) / 6) % 2 == 0 ? 1.0f + grain * 0.1f : 0.25f + grain * 0.05f;
    case Surface::Rock:
        return 0.85f + (fractalNoise(x / 6.0f, y / 6.0f, seed, 4) - 0.5f) * 0.6f + fine * 0.1f;
    case Surface::Ore: {
        const float vein = std::abs(fractalNoise(x / 7.0f, y / 7.0f, seed + 3, 3) - 0.5f);
        return vein < 0.05f ? 1.9f : 0.75f + grain * 0.4f + fine * 0.1f;
    }
    case Surface::Oil:
        return 0.8f + std::pow(clamp01(fractalNoise(x / 9.0f, y / 5.0f, seed, 3) * 1.8f - 0.7f), 1.5f) * 4.0f;
    case Surface::Tyre:
        return (y / 3) % 2 == 0 ? 1.0f : 0.6f;
    case Surface::Grille:
        return y % 4 < 2 ? 0.45f : 1.05f;
    default:
        return 1.0f + grain * 0.1f;
    }
}

void paintDetails(Image& atlas, int left, int top, Surface surface, Rgb base) {
    auto paint = [&](float x0, float y0, float x1, float y1, Rgb colour, float radius = 0.0f) {
        atlas.paint(
            left, top, left + TileSize, top + TileSize,
            [=](float x, float y) {
                return boxDistance(x - left, y - top, (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2,
                                   (y1 - y0) / 2, radius);
            },
            colour);
    };
    switch (surface) {
    case Surface::Face:
        paint(6, 11, 13, 14, rgb(60, 40, 30), 1.0f); // brows
        paint(19, 11, 26, 14, rgb(60, 40, 30), 1.0f);
        paint(7, 15, 12, 18, rgb(240, 240, 235), 1.0f); // eyes
        paint(20, 15, 25, 18, rgb(240, 240, 235), 1.0f);
        paint(9, 15, 11, 18, rgb(40, 60, 80));
        paint(21, 15, 23, 18, rgb(40, 60, 80));
        paint(14, 18, 18, 23, base * 0.85f, 1.0f); // nose
        paint(11, 25, 21, 27, rgb(120, 60, 50), 1.0f);
        break;
    case Surface::Visor:
        paint(3, 6, 29, 20, rgb(20, 28, 40), 3.0f);
        paint(6, 8, 14, 11, rgb(150, 190, 220), 1.5f);
        break;
    case Surface::Window:
        paint(3, 3, 29, 29, base * 0.55f, 1.0f);
        paint(6, 6, 26, 26, rgb(255, 214, 130), 0.5f);
        paint(6, 6, 26, 12, rgb(255, 240, 190));
        paint(15, 6, 17, 26, base * 0.55f);
        paint(6, 15, 26, 17, base * 0.55f);
        break;
    case Surface::Door:
        paint(2, 1, 30, 5, base * 0.6f);
        paint(4, 5, 28, 32, rgb(70, 52, 36));
        paint(15, 5, 17, 32, rgb(40, 30, 22));
        paint(12, 17, 14, 20, rgb(200, 170, 90));
        paint(18, 17, 20, 20, rgb(200, 170, 90));
        break;
    default:
        break;
    }
}

} // namespace

void paintTile(Image& atlas, int column, int row, Surface surface, Rgb base, uint32_t seed) {
    const int left = column * TileSize, top = row * TileSize;
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const int edge = std::min(std::min(x, y), std::min(TileSize - 1 - x, TileSize - 1 - y));
            const float bevel = edge == 0 ? 0.78f : edge == 1 ? 0.9f : 1.0f;
            const float highlight = (y <= 1 && edge <= 1) ? 1.12f : 1.0f;
            atlas.set(left + x, top + y, base * (surfaceShade(surface, x, y, seed) * bevel * highlight));
        }
    }
    paintDetails(atlas, left, top, surface, base);
}
