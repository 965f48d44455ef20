#include "client/terrain/WorldLoader.h"

#include "client/terrain/TerrainGpu.h"
#include "files/TerrainLayer.h"
#include "files/World.h"
#include "platform/Platform.h"

#include <GL/glew.h>

namespace {

const std::string TextureFolder = "data\\textures\\worlds\\";
constexpr TextureFilter TerrainFilter = 2;

void loadTerrainTextures() {
    terrainGpu.textures.resize(world.textureNames.size());
    for (std::size_t i = 0; i < terrainGpu.textures.size(); ++i)
        terrainGpu.textures[i].load(TextureFolder + world.textureNames[i], TerrainFilter);
}

void upload(GLuint buffer, const std::vector<float>& values) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(values.size() * sizeof(float)), values.data(),
                 GL_STATIC_DRAW);
}

// Layer k holds the cells of texture k - 1; layer 0 the untextured ones.
void buildLayerBuffers() {
    const std::size_t layers = world.textureNames.size() + 1;
    terrainGpu.layerVertexBuffers.assign(layers, 0);
    terrainGpu.layerTexCoordBuffers.assign(layers, 0);
    terrainGpu.layerCellCounts.assign(layers, 0);
    glGenBuffers(static_cast<GLsizei>(layers), terrainGpu.layerVertexBuffers.data());
    glGenBuffers(static_cast<GLsizei>(layers), terrainGpu.layerTexCoordBuffers.data());

    TerrainLayer scratch;
    scratch.positions.reserve(world.cellTextures.size() * 6 * 3);
    scratch.texCoords.reserve(world.cellTextures.size() * 6 * 2);
    for (std::size_t k = 0; k < layers; ++k) {
        buildTerrainLayer(world, static_cast<int32_t>(k) - 1, scratch);
        terrainGpu.layerCellCounts[k] = scratch.cellCount;
        upload(terrainGpu.layerVertexBuffers[k], scratch.positions);
        upload(terrainGpu.layerTexCoordBuffers[k], scratch.texCoords);
    }
    // Later client-side vertex arrays must not be read as offsets into a terrain buffer.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

} // namespace

bool loadWorld(const std::string& path, const CreateMapObject& create) {
    const auto file = readWorldFile(path);
    if (!file) {
        world = World{};
        terrainGpu = TerrainGpu{};
        platform::showMessageBox(mapUnavailableMessage(path), MapUnavailableCaption,
                                 platform::MessageBoxIcon::Error);
        return false;
    }
    world.setFromFile(*file.value);
    terrainGpu = TerrainGpu{};
    loadTerrainTextures();
    placeMapObjects(*file.value, create);
    buildLayerBuffers();
    return true;
}
