// A model file through the parser and its normals, with the promises the drawing code relies on.
#include "FuzzTarget.h"

#include "files/ModelFile.h"

namespace {

void requireShape(const MeshShape& shape, int32_t faceCount, bool flat) {
    require(shape.positions.size() == static_cast<std::size_t>(faceCount) * 3, "three corners a face");
    require(shape.faceNormals.size() == static_cast<std::size_t>(faceCount), "one normal a face");
    require(shape.cornerNormals.size() == (flat ? 0 : shape.positions.size()), "a normal a corner");
}

void requireAnimation(const Model& model, const ModelAnimation& animation) {
    require(animation.frames.size() == static_cast<std::size_t>(animation.frameCount), "every frame read");
    for (const ModelFrame& frame : animation.frames) {
        require(frame.meshes.size() == model.meshes.size(), "every mesh in every frame");
        for (const ModelFrameMesh& mesh : frame.meshes) {
            require(mesh.shape != nullptr, "a frame mesh has a shape");
            requireShape(*mesh.shape, mesh.faceCount, mesh.flat != 0);
            require(!mesh.changed || mesh.changedFaces.size() == static_cast<std::size_t>(mesh.faceCount),
                    "a changed mesh marks each face");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto model = parseModelFile({data, size}, "data\\textures\\models\\");
    if (!model) {
        require(!model.error.empty(), "a refused model says why");
        return 0;
    }
    const int32_t materials = static_cast<int32_t>(model.value->materials.size());
    for (const ModelMesh& mesh : model.value->meshes) {
        require(mesh.shape != nullptr, "a mesh has a shape");
        requireShape(*mesh.shape, mesh.faceCount, mesh.flat != 0);
        require(mesh.texCoords.size() == mesh.shape->positions.size(), "a texture coordinate a corner");
        require(mesh.materialIndex >= -1 && mesh.materialIndex < materials, "a material that exists");
    }
    for (const ModelAnimation& animation : model.value->animations)
        requireAnimation(*model.value, animation);
    return 0;
}
