#include "sim/economy/ResourceReceiver.h"

#include "sim/objects/WorldObjectData.h"

void ResourceReceiver::attach(WorldObjectData& record) {
    object = &record;
}

GridPosition ResourceReceiver::getBuildingPosition() const {
    return object->position();
}
