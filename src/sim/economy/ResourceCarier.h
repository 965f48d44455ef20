#pragma once

#include "sim/economy/ResourceGatherer.h"
#include "sim/objects/Moveable.h"

// A gatherer that walks to its pile and to the receivers.
class ResourceCarier : public ResourceGatherer, public Moveable {
public:
    // Stops walking and ends the current trip; the kind and the load stay.
    void stop() override;
    std::string getAbilityName() const override { return "ResourceCarier"; }
    void stopReturning() override;
    void stopGathering() override;
    void moveToTarget() override;
    void moveToReceiver(ResourceReceiver& receiver) override;

    void attach(WorldObjectData& record, int32_t gatherInterval);
};
