#pragma once

#include "sim/objects/Constructer.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

// Trains Marines, who walk to its fixed rally point.
class Barracks : public IWorldObject, public Constructer, public Fightable {
public:
    explicit Barracks(WorldObjectData record);

    bool isDead() const override { return hp < 1; }
    void update() override;
    // The units still waiting are lost with the building.
    void onRemove() override;
    std::string getState() const override { return describeTraining(); }
};
