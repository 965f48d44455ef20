#include "ModelData.h"

std::vector<ModelFileMesh> namedMeshes(const std::vector<std::string>& names) {
    std::vector<ModelFileMesh> meshes;
    for (const std::string& name : names) {
        meshes.push_back({name, -1, 0, {}, {}});
    }
    return meshes;
}

BakedModel skinnedModel(const std::string& fileName, const char* textureFolder, const std::string& skinName,
                        std::vector<ModelFileMesh> meshes, Image skin) {
    BakedModel model;
    model.fileName = fileName;
    model.textureFolder = textureFolder;
    for (ModelFileMesh& mesh : meshes) {
        mesh.materialIndex = 0;
        mesh.flat = 1;
    }
    model.contents.meshes = std::move(meshes);
    model.contents.textureNames = {skinName};
    ModelFileMaterial material{"skin", 0, {}, 0};
    for (auto& colour : material.colours) {
        colour = {255, 255, 255, 255};
    }
    model.contents.materials = {material};
    model.skins.push_back({skinName, std::move(skin)});
    return model;
}
