#include "sim/economy/ResourcePile.h"

#include "sim/economy/ResourceNames.h"

std::string ResourcePile::getAbilityName() const {
    return getResourceName(resourceType) + " pile";
}

void ResourcePile::attach(WorldObjectData& record, ResourceType kind, const ResourceSack& startingContents) {
    object = &record;
    resourceType = kind;
    contents = startingContents;
}
