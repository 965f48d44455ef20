#pragma once

#include "client/render/Texture.h"
#include "client/render/ViewFrustum.h"

#include <array>
#include <cstdint>
#include <vector>

// What drawing the loaded world needs beyond its record: the pair of vertex buffers of the map's
// corners, one index buffer per texture layer into them (layer k holds the cells of texture k - 1,
// layer 0 the untextured ones), the grid lines,
// the terrain textures, one per name the map lists, and the map cut into square chunks so that
// only those in the view are sent. Built by loadTerrain; empty
// for an empty map.
struct TerrainGpu {
    static constexpr int32_t ChunkCells = 16; // a chunk's side, in cells

    uint32_t cornerPositionBuffer = 0;
    uint32_t cornerTexCoordBuffer = 0;
    std::vector<uint32_t> layerIndexBuffers;
    std::vector<int32_t> layerCellCounts;
    std::vector<Texture> textures;
    // Each layer's colour as the map shows it from afar: the mean of its texture, dark green for
    // the untextured layer 0.
    std::vector<std::array<uint8_t, 3>> layerColours;

    int32_t chunkRows = 0;
    int32_t chunkColumns = 0;
    // Row by row over the chunks: each one's cells and grid lines, heights included.
    std::vector<WorldBox> chunkBoxes;
    // A layer's cells stay in the map's row order. Element r * chunkColumns + b of a layer counts
    // its cells before row r's run inside chunk column b; the next element ends the run.
    std::vector<std::vector<int32_t>> layerRunStarts;
    // A line strip of corners per row (columns 0 to W - 1), then one per column (rows 0 to H - 1).
    uint32_t gridBuffer = 0;
    // Counts the loads, so that pictures made from a map (the minimap's) know when it changed.
    uint32_t loadNumber = 0;
    // The lowest and the highest ground of the map, in world units.
    float lowest = 0.0f;
    float highest = 0.0f;
};

extern TerrainGpu terrainGpu;
