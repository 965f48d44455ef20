#pragma once

#include <cstdint>
#include <vector>

struct World;

// Every corner of the map once, row by row over its (rows + 1) x (columns + 1) corners, ready for
// the two vertex buffers the terrain layers share. Corner (r, c) is number r * (columns + 1) + c.
struct TerrainCorners {
    std::vector<float> positions; // x, y, z per corner
    std::vector<float> texCoords; // s, t per corner; a texture repeats every 10 cells
};

void buildTerrainCorners(const World& world, TerrainCorners& corners);

// The triangles of one terrain layer as numbers of shared corners, ready for the layer's index
// buffer. Reused from layer to layer so the whole map is allocated for once.
struct TerrainLayer {
    std::vector<uint32_t> indices; // six per cell
    int32_t cellCount = 0;
};

// Fills `layer` with every cell of `world` whose texture index is `textureIndex` (-1 for the
// untextured cells), row by row. A cell (r, c) with corners A = (r, c), B = (r, c + 1),
// C = (r + 1, c + 1) and D = (r + 1, c) gives the corners A, D, C, C, B, A.
void buildTerrainLayer(const World& world, int32_t textureIndex, TerrainLayer& layer);
