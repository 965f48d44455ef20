#include "support/TestModels.h"

#include <algorithm>
#include <memory>

ModelMesh flatMesh(const std::string& name, const std::vector<Vec3>& corners) {
    ModelMesh mesh;
    mesh.name = name;
    mesh.flat = 1;
    mesh.faceCount = static_cast<int32_t>(corners.size() / 3);
    auto shape = std::make_shared<MeshShape>();
    shape->positions = corners;
    shape->faceNormals.assign(mesh.faceCount, Vec3{0.0f, 1.0f, 0.0f});
    mesh.shape = shape;
    mesh.texCoords.assign(corners.size(), Vec2{});
    return mesh;
}

Model modelOf(std::vector<ModelMesh> meshes) {
    Model model;
    model.meshes = std::move(meshes);
    for (std::size_t i = 0; i < model.meshes.size(); ++i) {
        if (model.meshes[i].name == "color_separator")
            model.colourSeparator = static_cast<int32_t>(i);
        for (const Vec3& p : model.meshes[i].shape->positions) {
            BoundingBox& b = model.boundingBox;
            b.minX = std::min(b.minX, p.x);
            b.minY = std::min(b.minY, p.y);
            b.minZ = std::min(b.minZ, p.z);
            b.maxX = std::max(b.maxX, p.x);
            b.maxY = std::max(b.maxY, p.y);
            b.maxZ = std::max(b.maxZ, p.z);
        }
    }
    return model;
}

ModelMesh boxMesh(const std::string& name, float half, float height) {
    const float h = half;
    const Vec3 c[8] = {{-h, 0, -h},      {h, 0, -h},      {h, 0, h},      {-h, 0, h},
                       {-h, height, -h}, {h, height, -h}, {h, height, h}, {-h, height, h}};
    const int quads[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4},
                             {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    std::vector<Vec3> corners;
    for (const auto& q : quads)
        for (int i : {q[0], q[1], q[2], q[0], q[2], q[3]})
            corners.push_back(c[i]);
    return flatMesh(name, corners);
}
