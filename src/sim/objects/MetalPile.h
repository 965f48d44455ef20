#pragma once

#include "sim/economy/ResourcePile.h"
#include "sim/objects/IWorldObject.h"

// Metal on the map; gone once it is empty. The pile part comes first in the object.
class MetalPile : public ResourcePile, public IWorldObject {
public:
    static constexpr int32_t StartingMetal = 47;
    // A skirmish is a longer game, and needs the metal for it.
    static constexpr int32_t SkirmishMetal = 1500;

    explicit MetalPile(WorldObjectData record);

    bool isDead() const override { return isEmpty(getContents()); }
    void update() override {}
    std::string getState() const override { return "Metal Amount: " + std::to_string(getContents().metal()); }
};
