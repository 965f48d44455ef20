#include "sim/manager/ObjectManager.h"

#include <utility>

namespace {
ObjectManager* instance = nullptr;
} // namespace

ObjectManager* ObjectManager::getInstance() {
    if (!instance)
        instance = new ObjectManager();
    return instance;
}

void ObjectManager::destroyInstance() {
    // The pointer is cleared first so that nothing reaches a manager being destroyed.
    delete std::exchange(instance, nullptr);
}

std::shared_ptr<IWorldObject> ObjectManager::addObject(std::shared_ptr<IWorldObject> object) {
    if (!object)
        return nullptr;
    mutableObjects().push_back(object);
    objectAdded(object.get());
    return object;
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
