#include "sim/manager/ObjectManager.h"

#include "sim/game/Game.h"
#include "sim/objects/Fightable.h"

#include <cmath>
#include <unordered_map>
#include <utility>

ObjectManager* ObjectManager::getInstance() {
    return &Game::current().objects();
}

// Units that fight each other hold each other as targets; with the game over, they let go, or
// neither would ever be freed.
ObjectManager::~ObjectManager() {
    for (const auto& object : getObjects())
        if (auto* fighter = dynamic_cast<Fightable*>(object.get()))
            fighter->dropTarget();
}

std::shared_ptr<IWorldObject> ObjectManager::addObject(std::shared_ptr<IWorldObject> object) {
    if (!object)
        return nullptr;
    mutableObjects().push_back(object);
    index.add(object);
    objectAdded(object.get());
    return object;
}

ObjectList ObjectManager::objectsAt(const std::vector<std::size_t>& places) const {
    const std::vector<std::shared_ptr<IWorldObject>> listed(getObjects().begin(), getObjects().end());
    ObjectList found;
    for (const std::size_t place : places)
        if (place < listed.size())
            found.push_back(listed[place]);
    return found;
}

std::vector<std::size_t> ObjectManager::placesOf(const ObjectList& objects) const {
    std::unordered_map<const IWorldObject*, std::size_t> placeOf;
    std::size_t place = 0;
    for (const auto& object : getObjects())
        placeOf.emplace(object.get(), place++);
    std::vector<std::size_t> places;
    for (const auto& object : objects)
        if (const auto found = placeOf.find(object.get()); found != placeOf.end())
            places.push_back(found->second);
    return places;
}

void ObjectManager::addProjectile(std::unique_ptr<IUpdateDeadRender> projectile) {
    if (projectile)
        projectiles.push_back(std::move(projectile));
}

void ObjectManager::update() {
    // Objects added during the walk (a unit leaving a training queue) are visited by it.
    for (auto& object : mutableObjects())
        object->update();
    for (auto& projectile : projectiles)
        projectile->update();
    removeDeadObjects();
    removeDeadProjectiles();
}

void ObjectManager::removeDeadObjects() {
    ObjectList& list = mutableObjects();
    for (auto it = list.begin(); it != list.end();) {
        auto current = it++;
        if (!(*current)->isDead())
            continue;
        // Handlers still see the owner and type; the object lets go of what it holds after them.
        objectRemoved(current->get());
        (*current)->onRemove();
        index.remove(**current);
        list.erase(current);
    }
}

void ObjectManager::removeDeadProjectiles() {
    for (auto it = projectiles.begin(); it != projectiles.end();) {
        auto current = it++;
        if (!(*current)->isDead())
            continue;
        (*current)->onRemove();
        projectiles.erase(current);
    }
}

void ObjectManager::render() {
    for (auto& object : mutableObjects())
        object->render();
    for (auto& projectile : projectiles)
        projectile->render();
}

std::unique_ptr<ObjectList> ObjectManager::selectInRadius(double x, double z, double radius) const {
    const GridPosition centre{x, z};
    if (!index.answers(centre) || std::isnan(radius))
        return ObjectSelecter::selectInRadius(x, z, radius);
    return index.inRadius(centre, radius);
}

std::shared_ptr<IWorldObject> ObjectManager::selectNearestEnemy(int32_t owner,
                                                                const GridPosition& position) const {
    if (!index.answers(position))
        return ObjectSelecter::selectNearestEnemy(owner, position);
    return index.nearestEnemy(owner, position);
}

// Kinds the index does not know go to the plain walk, which logs them.
std::shared_ptr<IWorldObject>
ObjectManager::selectNearestResourceReceiverOfType(ResourceType kind, int32_t owner,
                                                   const GridPosition& position) const {
    if (!isResourceKind(kind) || !index.answers(position))
        return ObjectSelecter::selectNearestResourceReceiverOfType(kind, owner, position);
    return index.nearestReceiver(kind, owner, position);
}

std::shared_ptr<IWorldObject> ObjectManager::selectNearestPileOfType(ResourceType kind,
                                                                     const GridPosition& position) const {
    if (!isResourceKind(kind) || !index.answers(position))
        return ObjectSelecter::selectNearestPileOfType(kind, position);
    return index.nearestPile(kind, position);
}

std::shared_ptr<IWorldObject> ObjectManager::selectNearestConstruction(const GridPosition& position) const {
    if (!index.answers(position))
        return ObjectSelecter::selectNearestConstruction(position);
    return index.nearestSite(position);
}
