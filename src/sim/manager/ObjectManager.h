#pragma once

#include "sim/economy/IUpdateDeadRender.h"
#include "sim/manager/GameSignal.h"
#include "sim/manager/ObjectIndex.h"
#include "sim/manager/ObjectSelecter.h"

#include <list>
#include <memory>

// The one owner of everything in the world: the world objects (shared with targets, sites,
// queues and selections) and the projectiles in flight. Updates them once per pass, draws them
// once per frame and drops the dead, announcing additions, removals and shots.
class ObjectManager : public ObjectSelecter {
public:
    // The manager, created on the first call.
    static ObjectManager* getInstance();
    // Destroys the manager if it exists; the next getInstance() makes a new one.
    static void destroyInstance();

    // Appends the object to the world and announces it; a null object is ignored.
    std::shared_ptr<IWorldObject> addObject(std::shared_ptr<IWorldObject> object);
    void addProjectile(std::unique_ptr<IUpdateDeadRender> projectile);

    // Objects, then projectiles, then removal of dead objects, then of dead projectiles.
    void update();
    void render();

    std::size_t projectileCount() const { return projectiles.size(); }

    // The plain walk's answers, from the index.
    std::unique_ptr<ObjectList> selectInRadius(double x, double z, double radius) const override;
    std::shared_ptr<IWorldObject> selectNearestEnemy(int32_t owner,
                                                     const GridPosition& position) const override;
    std::shared_ptr<IWorldObject>
    selectNearestResourceReceiverOfType(ResourceType kind, int32_t owner,
                                        const GridPosition& position) const override;
    std::shared_ptr<IWorldObject> selectNearestPileOfType(ResourceType kind,
                                                          const GridPosition& position) const override;
    std::shared_ptr<IWorldObject> selectNearestConstruction(const GridPosition& position) const override;

    GameSignal<void(IWorldObject*)> objectAdded;
    GameSignal<void(IWorldObject*)> objectRemoved;
    GameSignal<void(IWorldObject*, IWorldObject*)> objectAttacked; // attacker, target

private:
    ObjectManager() = default;

    void removeDeadObjects();
    void removeDeadProjectiles();

    std::list<std::unique_ptr<IUpdateDeadRender>> projectiles;
    ObjectIndex index;
};
