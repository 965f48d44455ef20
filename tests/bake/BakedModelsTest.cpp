#include "core/FilePath.h"
#include "files/ImageFile.h"
#include "files/ModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

constexpr double CellSize = 3.75;

// The registry's models and the texture folder each is loaded with.
const std::map<std::string, std::string> Registry = {
    {"data/models/barracks.ktqm", "data\\textures\\models\\"},
    {"data/models/scout.ktqm", "data/models/"},
    {"data/models/marine.ktqm", "data\\textures\\models\\"},
    {"data/models/metal_resource.ktqm", "data\\textures\\models\\"},
    {"data/models/verion_oil.ktqm", "data\\textures\\models\\"},
    {"data/models/oilfactory.ktqm", "data/models/"},
    {"data/models/villager.ktqm", "data/models/"},
    {"data/models/base_center.ktqm", "data\\textures\\models\\"},
    {"data/models/bullet.ktqm", "data/models/"},
    {"data/models/bullet_splash.ktqm", "data/models/"},
};

Model load(const std::string& path) {
    auto result = readModelFile(path, Registry.at(path));
    EXPECT_TRUE(result) << path << ": " << result.error;
    return result ? std::move(*result.value) : Model{};
}

TEST(BakedModels, EveryModelLoadsWithSkinsThePlainLoaderReads) {
    for (const auto& [path, prefix] : Registry) {
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
