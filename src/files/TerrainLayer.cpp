#include "files/TerrainLayer.h"

#include "files/World.h"

void buildTerrainCorners(const World& world, TerrainCorners& corners) {
    corners.positions.clear();
    corners.texCoords.clear();
    const std::size_t count = static_cast<std::size_t>(world.rows + 1) * (world.columns + 1);
    corners.positions.reserve(count * 3);
    corners.texCoords.reserve(count * 2);
    for (int r = 0; r <= world.rows; ++r) {
        for (int c = 0; c <= world.columns; ++c) {
            corners.positions.push_back(static_cast<float>(CellSize * c - world.worldWidth / 2.0));
            corners.positions.push_back(static_cast<float>(HeightScale * world.height(r, c)));
            corners.positions.push_back(static_cast<float>(CellSize * r - world.worldDepth / 2.0));
            corners.texCoords.push_back(static_cast<float>(c) / 10.0f);
            corners.texCoords.push_back(static_cast<float>(r) / 10.0f);
        }
    }
}

void buildTerrainLayer(const World& world, int32_t textureIndex, TerrainLayer& layer) {
    layer.indices.clear();
    layer.cellCount = 0;
    const uint32_t stride = static_cast<uint32_t>(world.columns) + 1;
    for (int r = 0; r < world.rows; ++r) {
        for (int c = 0; c < world.columns; ++c) {
            if (world.cellTextures[static_cast<std::size_t>(r) * world.columns + c] != textureIndex)
                continue;
            const uint32_t a = static_cast<uint32_t>(r) * stride + static_cast<uint32_t>(c);
            const uint32_t d = a + stride;
            layer.indices.insert(layer.indices.end(), {a, d, d + 1, d + 1, a + 1, a});
            ++layer.cellCount;
        }
    }
}
