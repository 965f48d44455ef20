#pragma once

#include "sim/economy/IUpdateDeadRender.h"
#include "sim/manager/GameSignal.h"
#include "sim/manager/ObjectIndex.h"
#include "sim/manager/ObjectSelecter.h"

#include <cstddef>
#include <list>
#include <memory>
#include <vector>

// The one owner of everything in the world: the world objects (shared with targets, sites,
// queues and selections) and the projectiles in flight. Updates them once per pass, draws them
// once per frame and drops the dead, announcing additions, removals and shots.
class ObjectManager : public ObjectSelecter {
public:
    // The current game's manager, created on the first call.
    static ObjectManager* getInstance();
    ~ObjectManager();

    // Appends the object to the world and announces it; a null object is ignored.
    std::shared_ptr<IWorldObject> addObject(std::shared_ptr<IWorldObject> object);
    void addProjectile(std::unique_ptr<IUpdateDeadRender> projectile);

    // Objects, then projectiles, then removal of dead objects, then of dead projectiles.
    void update();
    void render();

    std::size_t projectileCount() const { return projectiles.size(); }
    // The world's own pointer to an object, or null when it is not in the world.
    std::shared_ptr<IWorldObject> held(const IWorldObject& object) const { return index.find(object); }

    // The objects at these places of the list, in the order given; places past its end are left
    // out. Commands name objects so.
    ObjectList objectsAt(const std::vector<std::size_t>& places) const;
    // The places in the list of these objects, in their order; objects not in the world are left out.
    std::vector<std::size_t> placesOf(const ObjectList& objects) const;

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
    friend class Game;
    ObjectManager() = default;

    void removeDeadObjects();
    void removeDeadProjectiles();

    std::list<std::unique_ptr<IUpdateDeadRender>> projectiles;
    ObjectIndex index;
};
