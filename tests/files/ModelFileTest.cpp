#include "files/ModelFile.h"
#include "formats/ModelWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Prefix = "data\\textures\\models\\";

// A face's three corners, moved by `offset` along x.
std::vector<Vec3> triangle(float offset) {
    return {{offset, 0.0f, 0.0f}, {offset + 1.0f, 0.0f, 0.0f}, {offset, 1.0f, 0.0f}};
}

ModelFileMesh mesh(const std::string& name, int faces, float offset) {
    ModelFileMesh m;
    m.name = name;
    for (int f = 0; f < faces; ++f) {
        const auto corners = triangle(offset + 2.0f * f);
        m.positions.insert(m.positions.end(), corners.begin(), corners.end());
        m.texCoords.insert(m.texCoords.end(), {{0.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}});
    }
    return m;
}

std::vector<Vec3> movedFace(std::vector<Vec3> positions, int face, float dy) {
    for (int corner = 0; corner < 3; ++corner)
        positions[3 * face + corner].y += dy;
    return positions;
}

// Two meshes; "run" changes mesh 1 in frame 0, mesh 0 in frames 1 and 2 (frame 2 with the same
// positions as frame 1), and nothing in frame 3.
ModelFileContents figure() {
    ModelFileContents c;
    c.meshes = {mesh("body", 3, 0.0f), mesh("color_separator", 2, 10.0f)};
    c.meshes[0].materialIndex = 0;
    c.meshes[1].flat = 1;
    c.textureNames = {"skin.png", "cloth.png\r"};
    ModelFileMaterial material;
    material.name = "skin";
    material.textureIndex = 1;
    material.colours = {{{255, 0, 51, 255}, {1, 2, 3, 4}, {0, 0, 0, 0}, {255, 255, 255, 255}}};
    material.value = 7;
    c.materials = {material};
    const auto bodyMoved = movedFace(c.meshes[0].positions, 1, 0.5f);
    ModelFileAnimation run;
    run.name = "run";
    run.frames = {{100, {{0, std::nullopt}, {-1, movedFace(c.meshes[1].positions, 0, 1.0f)}}},
                  {120, {{0, bodyMoved}, {-1, std::nullopt}}},
                  {140, {{0, bodyMoved}, {-1, std::nullopt}}},
                  {160, {{0, std::nullopt}, {-1, std::nullopt}}}};
    c.animations = {run, {"idle", {}}};
    return c;
}

Model parsed(const std::vector<uint8_t>& bytes) {
    const auto result = parseModelFile(bytes, Prefix);
    EXPECT_TRUE(result) << result.error;
    return result ? *result.value : Model{};
}

TEST(ModelFileTest, UnchangedFrameMeshesShareThePreviousShape) {
    const Model model = parsed(writeModelFile(figure()));
    const auto& frames = model.animations[0].frames;
    EXPECT_EQ(model.animations[0].animatedMeshes, (std::vector<int32_t>{1, 0})) << "in order of first change";
    EXPECT_EQ(frames[0].meshes[0].shape, model.meshes[0].shape) << "unchanged in frame 0: the rest pose";
    EXPECT_EQ(frames[3].meshes[0].shape, frames[2].meshes[0].shape) << "unchanged in frame 3: frame 2";
    EXPECT_EQ(frames[2].meshes[1].shape, frames[0].meshes[1].shape);
    EXPECT_NE(frames[0].meshes[1].shape, model.meshes[1].shape);

    // Bit set but no face changed: a copy of frame 1 with normals of its own.
    const ModelFrameMesh& same = frames[2].meshes[0];
    EXPECT_TRUE(same.changed);
    EXPECT_EQ(std::count(same.changedFaces.begin(), same.changedFaces.end(), true), 0);
    EXPECT_NE(same.shape, frames[1].meshes[0].shape);
    EXPECT_EQ(same.shape->positions, frames[1].meshes[0].shape->positions);
    EXPECT_EQ(same.shape->cornerNormals, frames[1].meshes[0].shape->cornerNormals);
    EXPECT_EQ(same.shape->cornerNormals.size(), 9u);
    EXPECT_TRUE(frames[0].meshes[1].shape->cornerNormals.empty()) << "a flat mesh stays flat in frames";
    EXPECT_EQ(frames[0].meshes[1].shape->faceNormals.size(), 2u);
}

TEST(ModelFileTest, LaterColourSeparatorWinsAndNoneGivesMinusOne) {
    ModelFileContents c = figure();
    c.meshes.insert(c.meshes.begin(), mesh("color_separator", 1, 0.0f));
    c.animations.clear();
    EXPECT_EQ(parsed(writeModelFile(c)).colourSeparator, 2);
    c.meshes[0].name = c.meshes[2].name = "color_separator ";
    EXPECT_EQ(parsed(writeModelFile(c)).colourSeparator, -1);
}

TEST(ModelFileTest, BoundingBoxKeepsItsStartValuesWithoutCorners) {
    ModelFileContents c;
    const BoundingBox start;
    EXPECT_EQ(parsed(writeModelFile(c)).boundingBox, start);
    c.meshes = {mesh("empty", 0, 0.0f)};
    EXPECT_EQ(parsed(writeModelFile(c)).boundingBox, start);

    EXPECT_EQ(parsed(writeModelFile(figure())).boundingBox,
              (BoundingBox{.minX = 0, .maxY = 1, .minZ = 0, .maxX = 13, .minY = 0, .maxZ = 0}))
        << "over the rest pose: animation frames do not widen it";
}

// Mesh and keyframe material indices out of range: the documented model.
TEST(ModelFileTest, ATextureIndexOutOfRangeCountsAsNone) {
    ModelFileContents c = figure();
    c.materials[0].textureIndex = 2; // two textures only
    EXPECT_EQ(parsed(writeModelFile(c)).materials[0].textureIndex, -1);
}

} // namespace
