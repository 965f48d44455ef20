#pragma once

#include "files/WorldFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The loaded map: the terrain grid and the values kept from the file. Grid positions are in
// cells (x counts columns, z counts rows); a cell is 3.75 world units and heights scale by 100.
struct World {
    int32_t columns = 0; // W
    int32_t rows = 0;    // H
    // (W + 1) x (H + 1) stored values, addressed with a row stride of W: corner (r, c) is element
    // r * W + c. Only elements 0 to W * (H + 1) are ever read.
    std::vector<float> cornerHeights;
    std::vector<int32_t> cellTextures; // element r * W + c; -1 means no texture
    std::vector<uint8_t> cellFlags;
    int32_t mapValue = 0;
    bool mapFlag = false;
    std::vector<std::string> textureNames; // as the file names them, relative to the worlds folder
    std::vector<MapEntry> entries;
    std::vector<std::array<uint8_t, 16>> records;
    float worldWidth = 0.0f; // 3.75 * W
    float worldDepth = 0.0f; // 3.75 * H

    float height(int row, int column) const;

    // The grid and the kept values of a parsed map.
    void setFromFile(const WorldFile& file);
};

extern World world;

constexpr double CellSize = 3.75;
constexpr double HeightScale = 100.0;

struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The world point of a grid position with the ground height under it, from the plane through
// the corners (r, c), (r + 1, c) and (r, c + 1). Positions outside the map are clamped to it, so
// nothing reads outside the height array; an empty world has height 0 everywhere.
WorldPoint groundPoint(double z, double x);
