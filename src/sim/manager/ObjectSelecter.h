#pragma once

#include "sim/economy/ResourceType.h"
#include "sim/manager/ObjectList.h"
#include "sim/objects/GridPosition.h"
#include "sim/objects/IWorldObject.h"

#include <cstdint>
#include <memory>

// The query view over a list of world objects. Every query walks the list in order, so the
// earlier object wins every tie. "Alive" means isDead() is false. Picking objects by their
// colour on screen draws, so that query lives with the renderer, over getObjects().
class ObjectSelecter {
public:
    // A view over a new, empty list of its own.
    ObjectSelecter();
    // A view that owns the list it is given (null becomes an empty list).
    explicit ObjectSelecter(std::unique_ptr<ObjectList> list);
    // A view over a list that someone else keeps.
    explicit ObjectSelecter(const ObjectList& list);
    virtual ~ObjectSelecter() = default;
    ObjectSelecter(const ObjectSelecter&) = delete;
    ObjectSelecter& operator=(const ObjectSelecter&) = delete;

    const ObjectList& getObjects() const { return *list; }

    std::unique_ptr<ObjectList> selectByOwner(int32_t owner) const;
    // Alive objects strictly closer than the radius.
    std::unique_ptr<ObjectList> selectInRadius(double x, double z, double radius) const;
    // Alive objects that have the class T.
    template <typename T> std::unique_ptr<ObjectList> selectOfClass() const;

    // The nearest alive object, or the first entry (alive or not) when none is strictly nearer.
    std::shared_ptr<IWorldObject> selectNearest(const GridPosition& position) const;
    // The nearest alive object of another owner that can be attacked.
    std::shared_ptr<IWorldObject> selectNearestEnemy(int32_t owner, const GridPosition& position) const;
    // The owner's nearest alive building that receives the kind: a side never hands its
    // resources to another.
    std::shared_ptr<IWorldObject> selectNearestResourceReceiverOfType(ResourceType kind, int32_t owner,
                                                                      const GridPosition& position) const;
    std::shared_ptr<IWorldObject> selectNearestPileOfType(ResourceType kind,
                                                          const GridPosition& position) const;

protected:
    // The list of a view made over a list of its own.
    ObjectList& mutableObjects() { return *ownedList; }

private:
    template <typename Keep> std::unique_ptr<ObjectList> selectAlive(Keep keep) const;

    std::unique_ptr<ObjectList> ownedList;
    const ObjectList* list;
};

template <typename Keep> std::unique_ptr<ObjectList> ObjectSelecter::selectAlive(Keep keep) const {
    auto result = std::make_unique<ObjectList>();
    for (const auto& object : *list)
        if (!object->isDead() && keep(*object))
            result->push_back(object);
    return result;
}

template <typename T> std::unique_ptr<ObjectList> ObjectSelecter::selectOfClass() const {
    return selectAlive([](IWorldObject& object) { return dynamic_cast<T*>(&object) != nullptr; });
}
