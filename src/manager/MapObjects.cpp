#include "manager/MapObjects.h"

#include "manager/ObjectManager.h"
#include "objects/ObjectFactory.h"
#include "world/World.h"
#include "world/WorldFile.h"

void addMapObject(const MapObject& object) {
    if (auto created = ObjectFactory::createObject(object.type, object.owner, object.x, object.z))
        ObjectManager::getInstance()->addObject(std::move(created));
}

void loadMapForSimulation(const WorldFile& file) {
    world.setFromFile(file);
    placeMapObjects(file, addMapObject);
}
