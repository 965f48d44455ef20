#pragma once

#include "core/Vec3.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Vec2 {
    float u = 0.0f;
    float v = 0.0f;

    bool operator==(const Vec2&) const = default;
};

// The corner positions of a mesh and the normals computed from them. Frames that leave a mesh
// unchanged share the previous frame's shape instead of copying it.
struct MeshShape {
    std::vector<Vec3> positions;     // three corners per face, face by face
    std::vector<Vec3> faceNormals;   // one per face
    std::vector<Vec3> cornerNormals; // three per face; smooth meshes only
};

// A mesh of the rest pose.
struct ModelMesh {
    std::string name;
    int8_t materialIndex = -1; // -1: no material
    uint8_t flat = 0;          // non-zero: one normal per face
    int32_t faceCount = 0;
    std::shared_ptr<const MeshShape> shape;
    std::vector<Vec2> texCoords; // three per face; animation frames use these too
};

struct ModelMaterial {
    int32_t textureIndex = -1; // -1: no texture
    std::array<std::array<float, 4>, 4> colours{};
    uint8_t value = 0;
};

// One mesh in one keyframe. An unchanged mesh shares the shape of the same mesh in the previous
// frame (of the rest pose in frame 0) and has no changed faces.
struct ModelFrameMesh {
    int8_t materialIndex = -1;
    uint8_t flat = 0;
    int32_t faceCount = 0;
    bool changed = false;           // the frame stores new geometry for this mesh
    std::vector<bool> changedFaces; // per face, when changed: the face has new corner positions
    std::shared_ptr<const MeshShape> shape;

    bool faceChanged(int32_t face) const { return changed && changedFaces[face]; }
};

struct ModelFrame {
    uint32_t duration = 0;              // milliseconds
    std::vector<ModelFrameMesh> meshes; // one per mesh of the model
};

struct ModelAnimation {
    int32_t frameCount = 0;
    std::string name;
    std::vector<ModelFrame> frames;
    // Meshes with new geometry in some frame, in order of first appearance.
    std::vector<int32_t> animatedMeshes;
};

// Over every corner of the rest pose. The start values stay when the model has no corner; the
// minimum y starts at two million.
struct BoundingBox {
    float minX = 200000.0f;
    float maxY = -200000.0f;
    float minZ = 200000.0f;
    float maxX = -200000.0f;
    float minY = 2000000.0f;
    float maxZ = -200000.0f;

    bool operator==(const BoundingBox&) const = default;
};

// A loaded model, shared read-only by every instance that shows it. An empty model (one that
// failed to load) draws nothing.
struct Model {
    std::vector<ModelMesh> meshes;
    std::vector<std::string> textureNames; // the caller's folder prefix + the file's line
    std::vector<ModelMaterial> materials;
    std::vector<ModelAnimation> animations;
    int32_t colourSeparator = -1; // the mesh tinted with the owner's colour, or -1
    BoundingBox boundingBox;

    // Index of the first animation of that exact name, or -1.
    int findAnimation(const std::string& name) const;
};
