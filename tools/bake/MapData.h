#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A grid position in whole cells: x counts columns, z counts rows.
struct GridPoint {
    int32_t x = 0;
    int32_t z = 0;
};

// The map as the baker makes it, before it is written.
struct BakedMap {
    int32_t columns = 0; // W
    int32_t rows = 0;    // H
    // (W + 1) x (H + 1) values as the file stores them: corner (r, c) is element r * W + c.
    std::vector<float> cornerHeights;
    std::vector<int32_t> cellTextures; // element r * W + c; -1 means no texture
    std::vector<std::string> textureNames;
    std::vector<GridPoint> metalPiles;
    std::vector<GridPoint> oilPiles;
    std::array<GridPoint, 2> baseCentres{};

    // Stored height of corner (r, c), 0 <= r <= H, 0 <= c < W (c = W aliases the next row's c = 0).
    float height(int row, int column) const {
        return cornerHeights[static_cast<size_t>(row) * columns + column];
    }
};
