#include "client/models/ModelRegistry.h"
#include "core/FilePath.h"
#include "files/ImageFile.h"
#include "files/ModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

constexpr double CellSize = 3.75;

// The model with the texture folder the game loads it with.
Model load(const std::string& path) {
    const auto prefix = ModelRegistry::texturePrefixFor(std::filesystem::path(path).filename().string());
    EXPECT_TRUE(prefix) << path << " is no model the game loads";
    auto result = readModelFile(path, prefix.value_or(""));
    EXPECT_TRUE(result) << path << ": " << result.error;
    return result ? std::move(*result.value) : Model{};
}

TEST(BakedModels, EveryModelLoadsWithSkinsThePlainLoaderReads) {
    int models = 0;
    for (const auto& file : std::filesystem::directory_iterator("data/models")) {
        if (file.path().extension() != ".ktqm")
            continue;
        ++models;
        const std::string path = "data/models/" + file.path().filename().string();
        const Model model = load(path);
        EXPECT_FALSE(model.meshes.empty()) << path;
        ASSERT_FALSE(model.textureNames.empty()) << path;
        for (const std::string& texture : model.textureNames) {
            const auto image = decodeImage(normalisePath(texture));
            ASSERT_TRUE(image) << texture;
            EXPECT_EQ(image->bitsPerPixel, 24) << texture;
        }
        for (const ModelMesh& mesh : model.meshes) {
            ASSERT_GE(mesh.materialIndex, 0) << path << " " << mesh.name;
            EXPECT_GE(model.materials[mesh.materialIndex].textureIndex, 0) << path << " " << mesh.name;
        }
        if (path.find("bullet") == std::string::npos) { // projectiles fly about their centre
            EXPECT_NEAR(model.boundingBox.minY, 0.0f, 0.05f) << path << " stands on the ground";
        }
    }
    EXPECT_EQ(models, 10) << "one file for each model the game draws";
}

double surfaceArea(const ModelMesh& mesh) {
    double area = 0.0;
    const std::vector<Vec3>& p = mesh.shape->positions;
    for (std::size_t i = 0; i + 2 < p.size(); i += 3) {
        const Vec3 a{p[i + 1].x - p[i].x, p[i + 1].y - p[i].y, p[i + 1].z - p[i].z};
        const Vec3 b{p[i + 2].x - p[i].x, p[i + 2].y - p[i].y, p[i + 2].z - p[i].z};
        const double cx = a.y * b.z - a.z * b.y, cy = a.z * b.x - a.x * b.z, cz = a.x * b.y - a.y * b.x;
        area += std::sqrt(cx * cx + cy * cy + cz * cz) / 2.0;
    }
    return area;
}

// Tall enough to tell apart at the camera's height (about 9 units; a building is 15 to 19 across),
// and a good share of the figure in its side's colour, so red and blue read at a glance.
TEST(BakedModels, FiguresStandNineUnitsTallRunAndWearMuchTeamColour) {
    for (const std::string path : {"data/models/marine.ktqm", "data/models/villager.ktqm"}) {
        const Model model = load(path);
        EXPECT_NEAR(model.boundingBox.maxY, 9.0f, 0.5f) << path;
        ASSERT_GE(model.colourSeparator, 0) << path;
        EXPECT_EQ(model.meshes[model.colourSeparator].name, "color_separator");
        double total = 0.0;
        for (const ModelMesh& mesh : model.meshes)
            total += surfaceArea(mesh);
        EXPECT_GE(surfaceArea(model.meshes[model.colourSeparator]) / total, 0.4) << path;
        const int run = model.findAnimation("run");
        ASSERT_GE(run, 0) << path;
        EXPECT_GE(model.animations[run].frameCount, 4) << path;
        EXPECT_FALSE(model.animations[run].animatedMeshes.empty()) << path;
    }
}

TEST(BakedModels, BuildingsAreFourToFiveCellsAcross) {
    for (const std::string path :
         {"data/models/barracks.ktqm", "data/models/base_center.ktqm", "data/models/oilfactory.ktqm"}) {
        const BoundingBox box = load(path).boundingBox;
        const double across = std::max(box.maxX - box.minX, box.maxZ - box.minZ);
        EXPECT_GE(across, 4.0 * CellSize - 0.5) << path;
        EXPECT_LE(across, 5.0 * CellSize + 0.5) << path;
    }
}

} // namespace
