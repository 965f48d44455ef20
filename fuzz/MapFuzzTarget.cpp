// A map file through everything the game does with it short of OpenGL: the parser, the world
// grid, every terrain layer and the ground under every object the map places.
#include "FuzzTarget.h"

#include "files/TerrainLayer.h"
#include "files/World.h"
#include "files/WorldFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = parseWorldFile({data, size});
    if (!file) {
        require(!file.error.empty(), "a refused map says why");
        return 0;
    }
    const std::size_t rows = file.value->rows;
    const std::size_t columns = file.value->columns;
    require(file.value->cornerHeights.size() == (rows + 1) * (columns + 1), "one height per corner");
    require(file.value->cellTextures.size() == rows * columns, "one texture index per cell");

    const World world(*file.value);
    TerrainCorners corners;
    buildTerrainCorners(world, corners);
    const std::size_t cornerCount = (rows + 1) * (columns + 1);
    require(corners.positions.size() == cornerCount * 3 && corners.texCoords.size() == cornerCount * 2,
            "every corner once");
    TerrainLayer layer;
    int32_t cells = 0;
    for (int32_t texture = -1; texture < static_cast<int32_t>(world.textureNames.size()); ++texture) {
        buildTerrainLayer(world, texture, layer);
        require(layer.indices.size() == static_cast<std::size_t>(layer.cellCount) * 6, "six corners a cell");
        for (uint32_t index : layer.indices)
            require(index < cornerCount, "a cell's corners are the map's");
        cells += layer.cellCount;
    }
    require(cells <= static_cast<int32_t>(rows * columns), "no cell drawn twice");
    placeMapObjects(*file.value,
                    [&world](const MapObject& object) { world.groundPoint(object.z, object.x); });
    return 0;
}
