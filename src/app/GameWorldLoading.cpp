// The loading sequence's map step.
#include "app/LoadingHooks.h"
#include "manager/ObjectManager.h"
#include "objects/ObjectFactory.h"
#include "world/WorldLoader.h"

void loadGameWorld() {
    loadWorld("data\\maps\\motac.ktqw", [](const MapObject& placed) {
        ObjectManager::getInstance()->addObject(
            ObjectFactory::createObject(placed.type, placed.owner, placed.x, placed.z));
    });
}
