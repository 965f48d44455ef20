#include "client/models/ModelRegistry.h"
#include "sim/objects/WorldObjectType.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The baked models without their textures, so that each texture the registry asks for names the
// folder it looks in.
TEST(ModelRegistryTest, LoadsTheTenModelsOnceWithTheirTextureFolders) {
    ASSERT_TRUE(openGlWindow());
    const fs::path baked = fs::current_path() / "data" / "models";
    ASSERT_TRUE(fs::exists(baked / "marine.ktqm")) << "the build bakes the data folder";
    const ScratchFolder folder;
    fs::create_directories("data/models");
    for (const auto& file : fs::directory_iterator(baked))
        if (file.path().extension() == ".ktqm" && file.path().filename() != "scout.ktqm")
            fs::copy_file(file.path(), fs::path("data/models") / file.path().filename());
    recordedMessageBoxes.clear();

    const ModelRegistry& registry = ModelRegistry::instance();
    std::vector<std::string> texts;
    for (const RecordedBox& box : recordedMessageBoxes)
        texts.push_back(box.text);
    const std::vector<std::string> expected = {
        "Couldn't load texture data\\textures\\models\\barracks.png!",
        "Model data/models/scout.ktqm wasn't found or is corrupted!",
        "Couldn't load texture data\\textures\\models\\marine.png!",
        "Couldn't load texture data\\textures\\models\\metal_resource.png!",
        "Couldn't load texture data\\textures\\models\\verion_oil.png!",
        "Couldn't load texture data/models/oilfactory.png!",
        "Couldn't load texture data/models/villager.png!",
        "Couldn't load texture data\\textures\\models\\base_center.png!",
        "Couldn't load texture data/models/bullet.png!",
        "Couldn't load texture data/models/bullet_splash.png!",
    };
    EXPECT_EQ(texts, expected);

    EXPECT_EQ(&ModelRegistry::instance(), &registry);
    EXPECT_EQ(recordedMessageBoxes.size(), expected.size()) << "the models load once";

    for (int type : {TypeBarracks, TypeMarine, TypeMetalPile, TypeOilPile, TypeOilRafinery, TypeWorker,
                     TypeBaseCenter}) {
        const auto instance = registry.createInstance(type);
        ASSERT_NE(instance, nullptr) << type;
        EXPECT_FALSE(instance->model->meshes.empty()) << type;
        EXPECT_TRUE(instance->animationState.empty());
        EXPECT_EQ(instance->direction[0], 0.0f);
    }
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
