#include "sim/manager/ObjectSelecter.h"

#include "core/Log.h"
#include "sim/economy/ResourceReceiverType.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"

#include <string>

ObjectSelecter::ObjectSelecter() : ObjectSelecter(std::unique_ptr<ObjectList>()) {}

ObjectSelecter::ObjectSelecter(std::unique_ptr<ObjectList> owned)
    : ownedList(owned ? std::move(owned) : std::make_unique<ObjectList>()), list(ownedList.get()) {}

ObjectSelecter::ObjectSelecter(const ObjectList& kept) : list(&kept) {}

std::unique_ptr<ObjectList> ObjectSelecter::selectByOwner(int32_t owner) const {
    return selectAlive([owner](IWorldObject& object) { return object.getOwner() == owner; });
}

std::unique_ptr<ObjectList> ObjectSelecter::selectInRadius(double x, double z, double radius) const {
    const GridPosition centre{x, z};
    return selectAlive(
        [&](IWorldObject& object) { return distance2D(object.getPosition(), centre) < radius; });
}

std::shared_ptr<IWorldObject> ObjectSelecter::selectNearest(const GridPosition& position) const {
    if (list->empty())
        return nullptr;
    std::shared_ptr<IWorldObject> best = list->front();
    double bestDistance = distance2D(best->getPosition(), position);
    for (const auto& object : *list) {
        if (object->isDead())
            continue;
        const double distance = distance2D(object->getPosition(), position);
        if (distance < bestDistance) {
            best = object;
            bestDistance = distance;
        }
    }
    return best;
}

std::shared_ptr<IWorldObject> ObjectSelecter::selectNearestEnemy(int32_t owner,
                                                                 const GridPosition& position) const {
    std::shared_ptr<IWorldObject> best;
    double bestDistance = 0.0;
    for (const auto& object : *list) {
        if (object->isDead() || object->getOwner() == owner)
            continue;
        const auto* fightable = dynamic_cast<const Fightable*>(object.get());
        if (!fightable || !fightable->isTargetable())
            continue;
        const double distance = distance2D(object->getPosition(), position);
        if (!best || distance < bestDistance) {
            best = object;
            bestDistance = distance;
        }
    }
    return best;
}

namespace {

// The nearest of a narrowed list, through a temporary owning view.
std::shared_ptr<IWorldObject> nearestOf(std::unique_ptr<ObjectList> candidates,
                                        const GridPosition& position) {
    return ObjectSelecter(std::move(candidates)).selectNearest(position);
}

} // namespace

std::shared_ptr<IWorldObject>
ObjectSelecter::selectNearestResourceReceiverOfType(ResourceType kind, int32_t owner,
                                                    const GridPosition& position) const {
    const ObjectSelecter own(selectByOwner(owner));
    switch (kind) {
    case Metal:
        return nearestOf(own.selectOfClass<ResourceReceiverType<Metal>>(), position);
    case VermilionOil:
        return nearestOf(own.selectOfClass<ResourceReceiverType<VermilionOil>>(), position);
    default:
        Log << std::string(
                   "ERROR(1): Not implemented case in ObjectSelecter::selectNearestResourceReceiverOfType "
                   "for type = ") +
                   std::to_string(kind) + "\n";
        return nullptr;
    }
}

std::shared_ptr<IWorldObject> ObjectSelecter::selectNearestPileOfType(ResourceType kind,
                                                                      const GridPosition& position) const {
    switch (kind) {
    case Metal:
        return nearestOf(selectOfClass<MetalPile>(), position);
    case VermilionOil:
        return nearestOf(selectOfClass<OilPile>(), position);
    default:
        Log << std::string(
                   "ERROR(2): Not implemented case in ObjectSelecter::selectNearestPileOfType for type = ") +
                   std::to_string(kind) + "\n";
        return nullptr;
    }
}
