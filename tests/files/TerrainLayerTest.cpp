#include "files/TerrainLayer.h"
#include "files/World.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Three columns, two rows, heights rising with the stored element; cells textured 0 1 0 / -1 0 1.
World smallWorld() {
    World world;
    world.columns = 3;
    world.rows = 2;
    for (int i = 0; i < 12; ++i)
        world.cornerHeights.push_back(0.01f * static_cast<float>(i));
    world.cellTextures = {0, 1, 0, -1, 0, 1};
    world.textureNames = {"a.bmp", "b.bmp"};
    world.worldWidth = static_cast<float>(CellSize * 3);
    world.worldDepth = static_cast<float>(CellSize * 2);
    return world;
}

// Where a cell corner stands and how its texture lies, read from the shared corners.
std::array<float, 5> cornerOf(const TerrainCorners& corners, uint32_t index) {
    const std::size_t p = index * 3u, t = index * 2u;
    return {corners.positions[p], corners.positions[p + 1], corners.positions[p + 2], corners.texCoords[t],
            corners.texCoords[t + 1]};
}

std::array<float, 5> expectedCorner(const World& world, int row, int column) {
    return {static_cast<float>(CellSize * column - world.worldWidth / 2.0),
            static_cast<float>(HeightScale * world.height(row, column)),
            static_cast<float>(CellSize * row - world.worldDepth / 2.0), static_cast<float>(column) / 10.0f,
            static_cast<float>(row) / 10.0f};
}

} // namespace

TEST(TerrainLayerTest, LayersShareEveryCornerOnceAndKeepTheCellsTriangles) {
    const World world = smallWorld();
    TerrainCorners corners;
    buildTerrainCorners(world, corners);
    ASSERT_EQ(corners.positions.size(), 12u * 3);
    ASSERT_EQ(corners.texCoords.size(), 12u * 2);

    TerrainLayer layer;
    int32_t cells = 0;
    for (int32_t texture = -1; texture <= 1; ++texture) {
        buildTerrainLayer(world, texture, layer);
        ASSERT_EQ(layer.indices.size(), static_cast<std::size_t>(layer.cellCount) * 6);
        cells += layer.cellCount;
    }
    EXPECT_EQ(cells, 6) << "every cell in exactly one layer";

    // Texture 1 holds cells (0, 1) and (1, 2), row by row; each gives A, D, C, C, B, A.
    buildTerrainLayer(world, 1, layer);
    ASSERT_EQ(layer.cellCount, 2);
    const std::array<std::array<int, 2>, 2> cellsOfTexture1{{{0, 1}, {1, 2}}};
    for (std::size_t cell = 0; cell < 2; ++cell) {
        const int r = cellsOfTexture1[cell][0], c = cellsOfTexture1[cell][1];
        const std::array<std::array<int, 2>, 6> order{
            {{r, c}, {r + 1, c}, {r + 1, c + 1}, {r + 1, c + 1}, {r, c + 1}, {r, c}}};
        for (std::size_t k = 0; k < 6; ++k)
            EXPECT_EQ(cornerOf(corners, layer.indices[cell * 6 + k]),
                      expectedCorner(world, order[k][0], order[k][1]))
                << "cell (" << r << ", " << c << "), corner " << k;
    }
}

TEST(TerrainLayerTest, AnEmptyLayerHasNoTriangles) {
    const World world = smallWorld();
    TerrainLayer layer;
    buildTerrainLayer(world, 0, layer);
    buildTerrainLayer(world, 7, layer);
    EXPECT_EQ(layer.cellCount, 0);
    EXPECT_TRUE(layer.indices.empty()) << "the layer before is not left behind";
}
