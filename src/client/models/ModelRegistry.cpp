#include "client/models/ModelRegistry.h"

#include "client/models/ModelLoader.h"
#include "sim/economy/ProjectileInstant.h"
#include "sim/economy/ProjectileSplash.h"
#include "sim/objects/WorldObjectType.h"

#include <string>

namespace {

enum class Table { Objects, Projectiles };

struct ModelEntry {
    Table table;
    int32_t key;
    const char* path;
    const char* texturePrefix;
};

const std::string ModelFolder = "data/models/";

// In loading order. Some models keep their textures in the models folder itself.
const ModelEntry Models[] = {
    {Table::Objects, TypeBarracks, "data/models/barracks.ktqm", "data\\textures\\models\\"},
    {Table::Objects, TypeScout, "data/models/scout.ktqm", "data/models/"},
    {Table::Objects, TypeMarine, "data/models/marine.ktqm", "data\\textures\\models\\"},
    {Table::Objects, TypeMetalPile, "data/models/metal_resource.ktqm", "data\\textures\\models\\"},
    {Table::Objects, TypeOilPile, "data/models/verion_oil.ktqm", "data\\textures\\models\\"},
    {Table::Objects, TypeOilRafinery, "data/models/oilfactory.ktqm", "data/models/"},
    {Table::Objects, TypeWorker, "data/models/villager.ktqm", "data/models/"},
    {Table::Objects, TypeBaseCenter, "data/models/base_center.ktqm", "data\\textures\\models\\"},
    {Table::Projectiles, ProjectileInstant::Kind, "data/models/bullet.ktqm", "data/models/"},
    {Table::Projectiles, ProjectileSplash::Kind, "data/models/bullet_splash.ktqm", "data/models/"},
};

std::unique_ptr<ModelInstance> instanceOf(const std::map<int32_t, ModelRegistry::Entry>& models,
                                          int32_t key) {
    const auto found = models.find(key);
    if (found == models.end())
        return nullptr;
    auto instance = std::make_unique<ModelInstance>();
    instance->model = &found->second.model;
    instance->gpu = &found->second.gpu;
    return instance;
}

} // namespace

ModelRegistry& ModelRegistry::instance() {
    static ModelRegistry registry;
    return registry;
}

ModelRegistry::ModelRegistry() {
    for (const ModelEntry& entry : Models) {
        auto& models = entry.table == Table::Objects ? objectModels : projectileModels;
        Entry& loaded = models[entry.key];
        loaded.gpu = loadModel(loaded.model, entry.path, entry.texturePrefix);
    }
}

std::unique_ptr<ModelInstance> ModelRegistry::createInstance(int32_t type) const {
    return instanceOf(objectModels, type);
}

std::unique_ptr<ModelInstance> ModelRegistry::createProjectileInstance(int32_t kind) const {
    return instanceOf(projectileModels, kind);
}

std::optional<std::string> ModelRegistry::texturePrefixFor(const std::string& fileName) {
    for (const ModelEntry& entry : Models)
        if (entry.path == ModelFolder + fileName)
            return entry.texturePrefix;
    return std::nullopt;
}
