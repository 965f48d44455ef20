#include "client/models/ModelRegistry.h"
#include "sim/objects/WorldObjectType.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The baked models and textures without the scout's model.
TEST(ModelRegistryTest, LoadsTheModelsOnceAndAMissingOneStillGivesInstances) {
    ASSERT_TRUE(openGlWindow());
    const fs::path baked = fs::current_path() / "data";
    ASSERT_TRUE(fs::exists(baked / "models" / "marine.ktqm")) << "the build bakes the data folder";
    const ScratchFolder folder;
    fs::create_directories("data/models");
    fs::create_directory_symlink(baked / "textures", "data/textures");
    for (const auto& file : fs::directory_iterator(baked / "models"))
        if (file.path().filename() != "scout.ktqm")
            fs::copy_file(file.path(), fs::path("data/models") / file.path().filename());
    recordedMessageBoxes.clear();

    const ModelRegistry& registry = ModelRegistry::instance();
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Model data/models/scout.ktqm wasn't found or is corrupted!");
    ModelRegistry::instance();
    EXPECT_EQ(recordedMessageBoxes.size(), 1u) << "the models load once";

    const auto marine = registry.createInstance(TypeMarine);
    ASSERT_NE(marine, nullptr);
    EXPECT_FALSE(marine->model->meshes.empty());
    const auto scout = registry.createInstance(TypeScout);
    ASSERT_NE(scout, nullptr) << "a model that failed to load still gives instances";
    EXPECT_TRUE(scout->model->meshes.empty());
    for (int type : {TypeConstruction, TypeSecondMarine, 10, -1, 11})
        EXPECT_EQ(registry.createInstance(type), nullptr) << type;

    const auto bullet = registry.createProjectileInstance(0);
    const auto shell = registry.createProjectileInstance(1);
    ASSERT_NE(bullet, nullptr);
    ASSERT_NE(shell, nullptr);
    EXPECT_NE(bullet->model, shell->model);
    EXPECT_EQ(registry.createProjectileInstance(2), nullptr);
}

} // namespace
