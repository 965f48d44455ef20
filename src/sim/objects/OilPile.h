#pragma once

#include "sim/economy/ResourcePile.h"
#include "sim/objects/IWorldObject.h"

// Vermilion oil on the map; gone once it is empty.
class OilPile : public IWorldObject, public ResourcePile {
public:
    static constexpr int32_t StartingOil = 5000;

    explicit OilPile(WorldObjectData record);

    bool isDead() const override { return isEmpty(getContents()); }
    void update() override {}
    std::string getState() const override { return "Oil Amount: " + std::to_string(getContents().oil()); }
};
