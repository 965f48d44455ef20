#pragma once

#include "sim/economy/ResourceSack.h"
#include "sim/economy/ResourceType.h"
#include "sim/objects/IAbility.h"
#include "sim/objects/IntervalTimer.h"

#include <array>
#include <memory>

class IWorldObject;
class ResourceReceiver;

// Takes one unit per interval from a pile in reach into a small load, delivers a full load to
// the nearest receiver of the kind of the gatherer's own side and goes back; when the pile is used
// up it turns to the nearest pile of the same kind.
class ResourceGatherer : public IAbility {
public:
    static constexpr double Reach = 1.0;
    static constexpr int32_t LoadCapacity = 10;

    void stop() override;
    std::string getAbilityName() const override { return "ResourceGatherer"; }
    // Delivers the load to the destination, or (null) to the nearest receiver of the kind.
    virtual void transfer(std::shared_ptr<IWorldObject> destination);
    virtual void stopReturning();
    // Starts gathering from a pile; anything else is ignored.
    virtual void gatherFrom(std::shared_ptr<IWorldObject> pile);
    virtual void stopGathering();
    virtual void moveToTarget() {}
    virtual void moveToReceiver(ResourceReceiver& /*receiver*/) {}

    void attach(WorldObjectData& record, int32_t gatherInterval);
    // The per-pass work.
    void gatheringStep();
    void dropPile() { target.reset(); }

    const std::shared_ptr<IWorldObject>& getTarget() const { return target; }
    bool isReturning() const { return returning; }
    const ResourceSack& getLoad() const { return load; }
    ResourceType getResourceType() const { return resourceType; }

protected:
    void gatherInReach();

    std::shared_ptr<IWorldObject> target;
    bool returning = false;
    IntervalTimer gatherTimer{-1, 1000000};
    ResourceSack load;
    // Nothing gathered yet: the inert value, so a fresh gatherer's step does nothing.
    ResourceType resourceType = NoResource;
    std::array<bool, ResourceKindCount> refusesKind{};
};

// The receiver part of the kind, or null when the kind is not a resource or the object lacks it.
ResourceReceiver* receiverOfKind(IWorldObject& object, ResourceType kind);
