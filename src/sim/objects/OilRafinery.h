#pragma once

#include "sim/economy/ResourceGatherer.h"
#include "sim/economy/ResourceReceiverType.h"
#include "sim/objects/IWorldObject.h"

// Receives oil. It could gather oil too, but nothing ever gives it a pile.
class OilRafinery : public IWorldObject, public ResourceGatherer, public ResourceReceiverType<VermilionOil> {
public:
    static constexpr int32_t GatherInterval = 100;

    explicit OilRafinery(WorldObjectData record);

    bool isDead() const override { return false; }
    void update() override { gatheringStep(); }
    void onRemove() override { dropPile(); }
};
