#pragma once

#include <cstdint>
#include <vector>

struct World;

// The triangles of one terrain layer, ready for the layer's two vertex buffers. Reused from layer
// to layer so the whole map is allocated for once.
struct TerrainLayer {
    std::vector<float> positions; // x, y, z per vertex, six vertices per cell
    std::vector<float> texCoords; // s, t per vertex
    int32_t cellCount = 0;
};

// Fills `layer` with every cell of `world` whose texture index is `textureIndex` (-1 for the
// untextured cells), row by row. A cell (r, c) with corners A = (r, c), B = (r, c + 1),
// C = (r + 1, c + 1) and D = (r + 1, c) gives the vertices A, D, C, C, B, A; a texture repeats
// every 10 cells.
void buildTerrainLayer(const World& world, int32_t textureIndex, TerrainLayer& layer);
