#pragma once

#include "client/models/ModelGpu.h"
#include "files/Model.h"
#include "sim/objects/ModelInstance.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

// Every model the game draws, loaded once and shared by the instances it hands out: one per
// world object type and one per projectile kind (0 instant, 1 splash).
class ModelRegistry {
public:
    // The one registry; the first call loads all ten models (a missing one is reported and stays
    // empty).
    static ModelRegistry& instance();

    // A new instance of the type's model with no animation playing and no direction; null for a
    // type without a model.
    std::unique_ptr<ModelInstance> createInstance(int32_t type) const;
    std::unique_ptr<ModelInstance> createProjectileInstance(int32_t kind) const;

    // The texture folder prefix the game loads the model file of that name ("marine.ktqm") with;
    // nothing for a file the game does not load.
    static std::optional<std::string> texturePrefixFor(const std::string& fileName);

    // A loaded model and what drawing it needs; instances point at both.
    struct Entry {
        Model model;
        ModelGpu gpu;
    };

private:
    ModelRegistry();

    std::map<int32_t, Entry> objectModels;
    std::map<int32_t, Entry> projectileModels;
};
