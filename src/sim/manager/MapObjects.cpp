#include "sim/manager/MapObjects.h"

#include "files/WorldFile.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/ObjectFactory.h"

void addMapObject(const MapObject& object) {
    if (auto created = ObjectFactory::createObject(object.type, object.owner, object.x, object.z))
        ObjectManager::getInstance()->addObject(std::move(created));
}
