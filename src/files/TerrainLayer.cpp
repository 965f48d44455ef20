#include "files/TerrainLayer.h"

#include "files/World.h"

namespace {

void appendCorner(const World& world, int row, int column, TerrainLayer& layer) {
    layer.positions.push_back(static_cast<float>(CellSize * column - world.worldWidth / 2.0));
    layer.positions.push_back(static_cast<float>(HeightScale * world.height(row, column)));
    layer.positions.push_back(static_cast<float>(CellSize * row - world.worldDepth / 2.0));
    layer.texCoords.push_back(static_cast<float>(column) / 10.0f);
    layer.texCoords.push_back(static_cast<float>(row) / 10.0f);
}

} // namespace

void buildTerrainLayer(const World& world, int32_t textureIndex, TerrainLayer& layer) {
    layer.positions.clear();
    layer.texCoords.clear();
    layer.cellCount = 0;
    for (int r = 0; r < world.rows; ++r) {
        for (int c = 0; c < world.columns; ++c) {
            if (world.cellTextures[static_cast<std::size_t>(r) * world.columns + c] != textureIndex)
                continue;
            appendCorner(world, r, c, layer);         // A
            appendCorner(world, r + 1, c, layer);     // D
            appendCorner(world, r + 1, c + 1, layer); // C
            appendCorner(world, r + 1, c + 1, layer); // C
            appendCorner(world, r, c + 1, layer);     // B
            appendCorner(world, r, c, layer);         // A
            ++layer.cellCount;
        }
    }
}
