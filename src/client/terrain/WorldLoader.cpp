#include "client/terrain/WorldLoader.h"

#include "client/terrain/TerrainGpu.h"
#include "core/FilePath.h"
#include "files/ImageFile.h"
#include "files/TerrainLayer.h"
#include "files/World.h"
#include "files/WorldFile.h"
#include "platform/Platform.h"

#include <GL/glew.h>

#include <algorithm>

namespace {

const std::string TextureFolder = "data\\textures\\worlds\\";
constexpr TextureFilter TerrainFilter = 2;
// Lifts the grid off the ground so the depth test does not hide it in the terrain.
constexpr double GridLift = 0.3;
// As drawTerrain colours the cells without a texture.
constexpr std::array<uint8_t, 3> UntexturedColour{0, 74, 0};

void loadTerrainTextures(const World& world) {
    terrainGpu.textures.resize(world.textureNames.size());
    terrainGpu.layerColours.assign(1, UntexturedColour);
    for (std::size_t i = 0; i < terrainGpu.textures.size(); ++i) {
        // Decoded once: the texture and the minimap's colour of its cells.
        const std::string path = TextureFolder + world.textureNames[i];
        const std::optional<DecodedImage> image = decodeImage(normalisePath(path));
        if (image)
            terrainGpu.textures[i].load(*image, path, TerrainFilter);
        else
            terrainGpu.textures[i].load(path, TerrainFilter); // says why it cannot
        terrainGpu.layerColours.push_back(image ? meanColour(*image) : UntexturedColour);
    }
}

template <typename Value> void upload(GLenum target, GLuint buffer, const std::vector<Value>& values) {
    glBindBuffer(target, buffer);
    glBufferData(target, static_cast<GLsizeiptr>(values.size() * sizeof(Value)), values.data(),
                 GL_STATIC_DRAW);
}

// The layers share the map's corners: each corner is sent and transformed once, not once for
// every cell around it. Layer k holds the cells of texture k - 1; layer 0 the untextured ones.
void buildLayerBuffers(const World& world) {
    TerrainCorners corners;
    buildTerrainCorners(world, corners);
    glGenBuffers(1, &terrainGpu.cornerPositionBuffer);
    glGenBuffers(1, &terrainGpu.cornerTexCoordBuffer);
    upload(GL_ARRAY_BUFFER, terrainGpu.cornerPositionBuffer, corners.positions);
    upload(GL_ARRAY_BUFFER, terrainGpu.cornerTexCoordBuffer, corners.texCoords);

    const std::size_t layers = world.textureNames.size() + 1;
    terrainGpu.layerIndexBuffers.assign(layers, 0);
    terrainGpu.layerCellCounts.assign(layers, 0);
    glGenBuffers(static_cast<GLsizei>(layers), terrainGpu.layerIndexBuffers.data());
    TerrainLayer scratch;
    scratch.indices.reserve(world.cellTextures.size() * 6);
    for (std::size_t k = 0; k < layers; ++k) {
        buildTerrainLayer(world, static_cast<int32_t>(k) - 1, scratch);
        terrainGpu.layerCellCounts[k] = scratch.cellCount;
        upload(GL_ELEMENT_ARRAY_BUFFER, terrainGpu.layerIndexBuffers[k], scratch.indices);
    }
    // Later client-side arrays must not be read as offsets into a terrain buffer.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

// The corners a chunk's cells read (a cell reads those of its far edges too); the grid lines over
// them are lifted a little higher.
WorldBox chunkBox(const World& world, int32_t chunkRow, int32_t chunkColumn) {
    const int32_t n = TerrainGpu::ChunkCells;
    const int32_t firstRow = chunkRow * n, lastRow = std::min(firstRow + n, world.rows);
    const int32_t firstColumn = chunkColumn * n, lastColumn = std::min(firstColumn + n, world.columns);
    WorldBox box{
        CellSize * firstColumn - world.worldWidth / 2.0, 0.0, CellSize * firstRow - world.worldDepth / 2.0,
        CellSize * lastColumn - world.worldWidth / 2.0,  0.0, CellSize * lastRow - world.worldDepth / 2.0};
    float low = world.height(firstRow, firstColumn), high = low;
    for (int32_t r = firstRow; r <= lastRow; ++r)
        for (int32_t c = firstColumn; c <= lastColumn; ++c) {
            low = std::min(low, world.height(r, c));
            high = std::max(high, world.height(r, c));
        }
    box.minY = HeightScale * low;
    box.maxY = HeightScale * high + GridLift;
    return box;
}

void buildChunks(const World& world) {
    const int32_t n = TerrainGpu::ChunkCells;
    terrainGpu.chunkRows = (world.rows + n - 1) / n;
    terrainGpu.chunkColumns = (world.columns + n - 1) / n;
    for (int32_t a = 0; a < terrainGpu.chunkRows; ++a)
        for (int32_t b = 0; b < terrainGpu.chunkColumns; ++b)
            terrainGpu.chunkBoxes.push_back(chunkBox(world, a, b));

    const std::size_t layers = terrainGpu.layerCellCounts.size();
    const std::size_t runs = static_cast<std::size_t>(world.rows) * terrainGpu.chunkColumns;
    terrainGpu.layerRunStarts.assign(layers, std::vector<int32_t>(runs + 1, 0));
    std::vector<int32_t> cells(layers, 0);
    for (std::size_t run = 0; run <= runs; ++run) {
        for (std::size_t k = 0; k < layers; ++k)
            terrainGpu.layerRunStarts[k][run] = cells[k];
        if (run == runs)
            break;
        const int32_t r = static_cast<int32_t>(run / terrainGpu.chunkColumns);
        const int32_t firstColumn = static_cast<int32_t>(run % terrainGpu.chunkColumns) * n;
        for (int32_t c = firstColumn; c < std::min(firstColumn + n, world.columns); ++c) {
            const std::size_t layer = static_cast<std::size_t>(
                world.cellTextures[static_cast<std::size_t>(r) * world.columns + c] + 1);
            if (layer < layers)
                ++cells[layer];
        }
    }
}

void appendGridCorner(const World& world, int32_t row, int32_t column, std::vector<float>& corners) {
    corners.push_back(static_cast<float>(CellSize * column - world.worldWidth / 2.0));
    corners.push_back(static_cast<float>(HeightScale * world.height(row, column) + GridLift));
    corners.push_back(static_cast<float>(CellSize * row - world.worldDepth / 2.0));
}

// The strips stop at the last cell's near corner: the far border lines are not drawn.
void buildGridBuffer(const World& world) {
    std::vector<float> corners;
    corners.reserve(static_cast<std::size_t>(world.rows) * world.columns * 2 * 3);
    for (int32_t r = 0; r < world.rows; ++r)
        for (int32_t c = 0; c < world.columns; ++c)
            appendGridCorner(world, r, c, corners);
    for (int32_t c = 0; c < world.columns; ++c)
        for (int32_t r = 0; r < world.rows; ++r)
            appendGridCorner(world, r, c, corners);
    glGenBuffers(1, &terrainGpu.gridBuffer);
    upload(GL_ARRAY_BUFFER, terrainGpu.gridBuffer, corners);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

} // namespace

std::optional<MapFile> loadMap(const std::string& path) {
    ParseResult<MapFile> map = readMapFile(path);
    if (!map) {
        platform::showMessageBox(mapUnavailableMessage(path), MapUnavailableCaption,
                                 platform::MessageBoxIcon::Error);
        return std::nullopt;
    }
    return std::move(*map.value);
}

namespace {

// What the world loaded before holds on the card, given back before another takes its place.
void releaseTerrain() {
    auto deleteBuffers = [](const std::vector<uint32_t>& buffers) {
        if (!buffers.empty())
            glDeleteBuffers(static_cast<GLsizei>(buffers.size()), buffers.data());
    };
    deleteBuffers(terrainGpu.layerIndexBuffers);
    deleteBuffers({terrainGpu.cornerPositionBuffer, terrainGpu.cornerTexCoordBuffer, terrainGpu.gridBuffer});
    for (Texture& texture : terrainGpu.textures)
        texture.release();
}

} // namespace

void loadTerrain(const World& world) {
    static uint32_t loads = 0;
    releaseTerrain();
    terrainGpu = TerrainGpu{};
    terrainGpu.loadNumber = ++loads;
    if (world.columns <= 0 || world.rows <= 0)
        return;
    const auto [lowest, highest] =
        std::minmax_element(world.cornerHeights.begin(), world.cornerHeights.end());
    terrainGpu.lowest = static_cast<float>(HeightScale) * *lowest;
    terrainGpu.highest = static_cast<float>(HeightScale) * *highest;
    loadTerrainTextures(world);
    buildLayerBuffers(world);
    buildChunks(world);
    buildGridBuffer(world);
}
