#pragma once

#include "sim/economy/ResourceSack.h"
#include "sim/economy/ResourceType.h"
#include "sim/objects/IAbility.h"

// Resources lying on the map, taken away one unit at a time by gatherers.
class ResourcePile : public IAbility {
public:
    void stop() override {}
    // "Metal pile", "Vermilion Oil pile".
    std::string getAbilityName() const override;

    void attach(WorldObjectData& record, ResourceType kind, const ResourceSack& startingContents);

    ResourceType getResourceType() const { return resourceType; }
    ResourceSack& getContents() { return contents; }
    const ResourceSack& getContents() const { return contents; }

private:
    ResourceType resourceType = Metal;
    ResourceSack contents;
};
