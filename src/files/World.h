#pragma once

#include "files/WorldFile.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr double CellSize = 3.75;
constexpr double HeightScale = 100.0;

struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// A map's terrain grid, as the game plays on it. Grid positions are in cells (x counts columns, z
// counts rows); a cell is 3.75 world units and heights scale by 100. Empty by default: no cells,
// height 0 everywhere.
struct World {
    int32_t columns = 0; // W
    int32_t rows = 0;    // H
    // (W + 1) x (H + 1) stored values, addressed with a row stride of W: corner (r, c) is element
    // r * W + c. Only elements 0 to W * (H + 1) are ever read.
    std::vector<float> cornerHeights;
    std::vector<int32_t> cellTextures;     // element r * W + c; -1 means no texture
    std::vector<std::string> textureNames; // as the file names them, relative to the worlds folder
    float worldWidth = 0.0f;               // 3.75 * W
    float worldDepth = 0.0f;               // 3.75 * H

    World() = default;
    explicit World(const WorldFile& file);

    float height(int row, int column) const;

    // The world point of a grid position with the ground height under it, from the plane through
    // the corners (r, c), (r + 1, c) and (r, c + 1). Positions outside the map are clamped to it, so
    // nothing reads outside the height array.
    WorldPoint groundPoint(double z, double x) const;
};
