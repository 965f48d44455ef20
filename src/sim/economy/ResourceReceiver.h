#pragma once

#include "sim/economy/ResourceSack.h"
#include "sim/objects/GridPosition.h"
#include "sim/objects/IAbility.h"

// A drop-off point for gatherers' loads.
class ResourceReceiver : public IAbility {
public:
    void stop() override {}
    // Hands the load's resources of the receiver's kind to the building's owner.
    virtual bool receive(ResourceSack& load) = 0;

    void attach(WorldObjectData& record);
    GridPosition getBuildingPosition() const;
};
