#include "economy/ResourceReceiver.h"

#include "objects/WorldObjectData.h"

void ResourceReceiver::attach(WorldObjectData& record) {
    object = &record;
}

GridPosition ResourceReceiver::getBuildingPosition() const {
    return object->position();
}
