#pragma once

#include "client/render/Texture.h"

#include <cstdint>
#include <vector>

// What drawing the loaded world needs beyond its record: one pair of vertex buffers per texture
// layer (layer k holds the cells of texture k - 1, layer 0 the untextured ones) and the terrain
// textures, one per name the map lists. Built by loadWorld; empty when no map is loaded.
struct TerrainGpu {
    std::vector<uint32_t> layerVertexBuffers;
    std::vector<uint32_t> layerTexCoordBuffers;
    std::vector<int32_t> layerCellCounts;
    std::vector<Texture> textures;
};

extern TerrainGpu terrainGpu;
