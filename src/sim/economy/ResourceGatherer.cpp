#include "sim/economy/ResourceGatherer.h"

#include "core/Log.h"
#include "sim/economy/ResourcePile.h"
#include "sim/economy/ResourceReceiverType.h"
#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"

ResourceReceiver* receiverOfKind(IWorldObject& object, ResourceType kind) {
    switch (kind) {
    case Metal:
        return dynamic_cast<ResourceReceiverType<Metal>*>(&object);
    case VermilionOil:
        return dynamic_cast<ResourceReceiverType<VermilionOil>*>(&object);
    default:
        return nullptr;
    }
}

void ResourceGatherer::attach(WorldObjectData& record, int32_t gatherInterval) {
    object = &record;
    gatherTimer.interval = gatherInterval;
    setCapacity(load, LoadCapacity);
}

void ResourceGatherer::stop() {
    stopReturning();
    stopGathering();
}

void ResourceGatherer::stopReturning() {
    returning = false;
}

void ResourceGatherer::stopGathering() {
    returning = false;
}

void ResourceGatherer::gatheringStep() {
    if (resourceType == NoResource)
        return;
    if (returning) {
        transfer(nullptr);
        return;
    }
    if (!target)
        return;
    if (target->isDead()) {
        target.reset();
        std::shared_ptr<IWorldObject> pile =
            ObjectManager::getInstance()->selectNearestPileOfType(resourceType, object->position());
        if (pile)
            gatherFrom(std::move(pile));
        else if (isEmpty(load))
            resourceType = NoResource;
        else
            transfer(nullptr);
        return;
    }
    if (distance2D(object->position(), target->getPosition()) > Reach) {
        moveToTarget();
        return;
    }
    gatherInReach();
}

void ResourceGatherer::gatherInReach() {
    auto& pile = dynamic_cast<ResourcePile&>(*target);
    while (gatherTimer.due(gameClock().now())) {
        ResourceSack unit;
        unit.amounts[pile.getResourceType()] = 1;
        moveResources(unit, pile.getContents(), load);
        Log << "Resource amount in " << static_cast<const void*>(&pile) << " " << describe(pile.getContents())
            << "\n";
        if (load.metal() + load.oil() >= load.capacity)
            returning = true;
    }
}

void ResourceGatherer::gatherFrom(std::shared_ptr<IWorldObject> candidate) {
    const auto* pile = dynamic_cast<const ResourcePile*>(candidate.get());
    if (!pile)
        return;
    const ResourceType kind = pile->getResourceType();
    if (isResourceKind(kind) && refusesKind[kind])
        return;
    stop();
    resourceType = kind;
    // Switching kinds throws away the load of the old kind.
    if (kind != Metal)
        load.amounts[Metal] = 0;
    if (kind != VermilionOil)
        load.amounts[VermilionOil] = 0;
    target = std::move(candidate);
}

void ResourceGatherer::transfer(std::shared_ptr<IWorldObject> destination) {
    std::shared_ptr<IWorldObject> receiverObject;
    if (destination) {
        if (!receiverOfKind(*destination, Metal) && !receiverOfKind(*destination, VermilionOil)) {
            Log << "Error(2) wrong destination type (WOT=" << destination->getType()
                << ") in ResourceGatherer::transfer" << std::endl;
            return;
        }
        receiverObject = std::move(destination);
    } else {
        receiverObject = ObjectManager::getInstance()->selectNearestResourceReceiverOfType(
            resourceType, object->owner, object->position());
        if (!receiverObject)
            return;
    }
    returning = true;
    ResourceReceiver* receiver = receiverOfKind(*receiverObject, resourceType);
    if (!receiver) {
        Log << "Error(3) wrong ReceiverType type (RT=" << resourceType << ") in ResourceGatherer::transfer"
            << std::endl;
        return;
    }
    if (distance2D(object->position(), receiverObject->getPosition()) > Reach) {
        moveToReceiver(*receiver);
        return;
    }
    receiver->receive(load);
    returning = false;
}
