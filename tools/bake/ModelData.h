#pragma once

#include "Geometry.h"
#include "Image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A model as the baker builds it, before it is written: meshes in their rest pose, the skins
// they use, and animations given as the full corner positions of every mesh in every keyframe.
struct BakedFace {
    std::array<Vec3, 3> corners;
    std::array<Vec2, 3> texCoords; // v = 0 is the bottom edge of the picture
};

struct BakedMesh {
    std::string name;
    int materialIndex = 0;
    bool flat = true;
    std::vector<BakedFace> faces;
};

struct BakedSkin {
    std::string fileName; // as the model names it, relative to its texture folder
    Image picture;
};

struct BakedKeyframe {
    uint32_t durationMs = 0;
    // positions[mesh][face] are the three corners of that face in this keyframe
    std::vector<std::vector<std::array<Vec3, 3>>> positions;
};

struct BakedAnimation {
    std::string name;
    std::vector<BakedKeyframe> frames;
};

struct BakedModel {
    std::string fileName;      // under data/models/
    std::string textureFolder; // the registry's prefix for this model, as the game writes it
    std::vector<BakedMesh> meshes;
    std::vector<BakedSkin> skins; // material i shows skin i
    std::vector<BakedAnimation> animations;
};

inline constexpr const char* ColourSeparatorName = "color_separator";
