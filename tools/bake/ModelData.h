#pragma once

#include "Geometry.h"
#include "NamedPicture.h"
#include "formats/ModelWriter.h"

#include <string>
#include <vector>

// A model as the baker builds it: the contents of its file and the skins its texture lines name.
struct BakedModel {
    std::string fileName;      // under data/models/
    std::string textureFolder; // the registry's prefix for this model, as the game writes it
    ModelFileContents contents;
    std::vector<NamedPicture> skins; // skin i is texture line i
};

inline constexpr const char* ColourSeparatorName = "color_separator";

// Empty meshes of these names, to be built.
std::vector<ModelFileMesh> namedMeshes(const std::vector<std::string>& names);

// A model whose meshes all show one skin through its one material, with flat shading (the
// low-poly look wants one normal per face).
BakedModel skinnedModel(const std::string& fileName, const char* textureFolder, const std::string& skinName,
                        std::vector<ModelFileMesh> meshes, Image skin);
