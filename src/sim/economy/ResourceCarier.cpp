#include "sim/economy/ResourceCarier.h"

#include "sim/economy/ResourceReceiver.h"
#include "sim/objects/IWorldObject.h"

void ResourceCarier::attach(WorldObjectData& record, int32_t gatherInterval) {
    ResourceGatherer::attach(record, gatherInterval);
    Moveable::attach(record);
}

void ResourceCarier::stop() {
    stopWalking();
    stopGathering();
    stopReturning();
}

void ResourceCarier::stopReturning() {
    if (returning)
        stopWalking();
    returning = false;
}

void ResourceCarier::stopGathering() {
    target.reset();
    gatherTimer.restart();
}

void ResourceCarier::moveToTarget() {
    const GridPosition position = target->getPosition();
    moveTo(position.x, position.z);
}

void ResourceCarier::moveToReceiver(ResourceReceiver& receiver) {
    const GridPosition position = receiver.getBuildingPosition();
    moveTo(position.x, position.z);
}
