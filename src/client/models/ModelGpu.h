#pragma once

#include "client/render/Texture.h"
#include "files/Model.h"
#include "sim/objects/ModelInstance.h"

#include <cstdint>
#include <vector>

// What drawing a model needs beyond its record: a texture for each name the record lists, the
// occlusion query its bounding box is tested with, and each mesh's rest pose in a vertex buffer.
// A model that failed to load has none of them.
struct ModelGpu : ModelDrawingResources {
    std::vector<Texture> textures; // one per texture name
    uint32_t occlusionQuery = 0;
    // One per mesh: its corners' positions (three floats each), then their texture coordinates
    // (two each). The game draws unlit, so normals are not sent.
    std::vector<uint32_t> restPoseBuffers;
};

// The resources an instance was made with: always a ModelGpu, as only this layer makes them.
inline const ModelGpu& gpuOf(const ModelInstance& instance) {
    return static_cast<const ModelGpu&>(*instance.gpu);
}

// Loads each texture the model names (linear filtering), makes its occlusion query and uploads
// its meshes' rest pose. A missing texture is reported and keeps id 0. Needs a current OpenGL
// context.
ModelGpu uploadModel(const Model& model);
