#include "client/models/ModelGpu.h"

#include <GL/glew.h>

namespace {

constexpr TextureFilter ModelTextureFilter = 1;

// A still mesh is drawn from the buffer in one call, not corner by corner: a crowd of piles and
// buildings is mostly still meshes.
uint32_t uploadRestPose(const ModelMesh& mesh) {
    const auto corners = static_cast<std::size_t>(mesh.faceCount) * 3;
    std::vector<float> values;
    values.reserve(corners * 5);
    for (std::size_t corner = 0; corner < corners; ++corner) {
        const Vec3& p = mesh.shape->positions[corner];
        values.insert(values.end(), {p.x, p.y, p.z});
    }
    for (std::size_t corner = 0; corner < corners; ++corner)
        values.insert(values.end(), {mesh.texCoords[corner].u, mesh.texCoords[corner].v});
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(values.size() * sizeof(float)), values.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return buffer;
}

} // namespace

ModelGpu uploadModel(const Model& model) {
    ModelGpu gpu;
    gpu.textures.resize(model.textureNames.size());
    for (std::size_t i = 0; i < gpu.textures.size(); ++i)
        gpu.textures[i].load(model.textureNames[i], ModelTextureFilter);
    glGenQueries(1, &gpu.occlusionQuery);
    for (const ModelMesh& mesh : model.meshes)
        gpu.restPoseBuffers.push_back(uploadRestPose(mesh));
    return gpu;
}
