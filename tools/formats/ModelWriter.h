#pragma once

#include "files/Model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a .ktqm file says, as its maker puts it together.
struct ModelFileMesh {
    std::string name; // "color_separator" for the mesh tinted with the owner's colour
    int8_t materialIndex = -1;
    uint8_t flat = 0;
    std::vector<Vec3> positions; // three corners per face
    std::vector<Vec2> texCoords; // three per face
};

struct ModelFileMaterial {
    std::string name;
    int8_t textureIndex = -1;
    std::array<std::array<uint8_t, 4>, 4> colours{}; // red, green, blue, alpha
    uint8_t value = 0;
};

// A mesh in one keyframe. With positions (every corner of the mesh) the frame stores new
// geometry for it, written as the faces that differ from the previous frame; without, the mesh
// keeps the previous frame's shape.
struct ModelFileFrameMesh {
    int8_t materialIndex = -1;
    std::optional<std::vector<Vec3>> positions;
};

struct ModelFileFrame {
    uint32_t duration = 0;                  // milliseconds
    std::vector<ModelFileFrameMesh> meshes; // one per mesh
};

struct ModelFileAnimation {
    std::string name;
    std::vector<ModelFileFrame> frames;
};

struct ModelFileContents {
    std::vector<ModelFileMesh> meshes;
    std::vector<std::string> textureNames; // file names without the loader's folder prefix
    std::vector<ModelFileMaterial> materials;
    std::vector<ModelFileAnimation> animations;
};

// The bytes of a .ktqm file holding `contents`. Throws std::invalid_argument when it cannot be
// written so: a mesh whose positions and texture coordinates are not three per face alike, a
// frame with the wrong number of meshes or positions, or a text line holding a line feed or
// longer than 254 characters.
std::vector<uint8_t> writeModelFile(const ModelFileContents& contents);
