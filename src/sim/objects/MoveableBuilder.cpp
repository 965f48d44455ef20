#include "sim/objects/MoveableBuilder.h"

#include "sim/objects/IWorldObject.h"

void MoveableBuilder::attach(WorldObjectData& record, int32_t buildInterval) {
    Moveable::attach(record);
    Builder::attach(record, buildInterval);
}

void MoveableBuilder::stop() {
    stopWalking();
    leaveSite();
}

void MoveableBuilder::onSiteOutOfReach() {
    const GridPosition position = getSite()->getPosition();
    moveTo(position.x, position.z);
}
