#include "client/models/ModelGpu.h"

#include <GL/glew.h>

namespace {

constexpr TextureFilter ModelTextureFilter = 1;

} // namespace

ModelGpu uploadModel(const Model& model) {
    ModelGpu gpu;
    gpu.textures.resize(model.textureNames.size());
    for (std::size_t i = 0; i < gpu.textures.size(); ++i)
        gpu.textures[i].load(model.textureNames[i], ModelTextureFilter);
    glGenQueries(1, &gpu.occlusionQuery);
    return gpu;
}
