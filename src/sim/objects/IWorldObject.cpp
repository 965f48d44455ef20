#include "sim/objects/IWorldObject.h"

#include "core/Log.h"
#include "sim/game/GameMap.h"
#include "sim/objects/Presentation.h"
#include "sim/players/PlayerManager.h"

IWorldObject::IWorldObject(WorldObjectData record) : data(std::move(record)) {
    // The name is read first: reading it may create the player manager, which logs lines of its own.
    const std::string name = getName();
    Log << "Object (" << name << ") " << static_cast<const void*>(this) << " created.\n";
    useModelOf(data.type);
}

IWorldObject::~IWorldObject() {
    Log << "Object " << static_cast<const void*>(this) << " deleted.\n";
}

void IWorldObject::render() {
    if (!data.model)
        return;
    const WorldPoint point = groundPoint(data.z, data.x);
    presentation().drawInstance(*data.model, point.x, point.y, point.z);
}

std::string IWorldObject::getName() const {
    return PlayerManager::getInstance()->getPlayer(data.owner).getTypeName(data.type);
}

void IWorldObject::setPosition(double x, double z) {
    data.setPosition(x, z);
}

void IWorldObject::useModelOf(WorldObjectType type) {
    data.model.reset(presentation().createInstance(type));
    if (data.model)
        data.model->colour = teamColour(data.owner);
}

uint32_t teamColour(int32_t owner) {
    switch (owner) {
    case 0:
        return 0xFFFFFF;
    case 1:
        return 0xFF0000;
    case 2:
        return 0x0000FF;
    default:
        return 0;
    }
}
