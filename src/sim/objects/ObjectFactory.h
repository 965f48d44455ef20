#pragma once

#include "sim/objects/IWorldObject.h"

#include <cstdint>
#include <memory>

// Makes world objects by type (the map's piles and town centres, the headless runner's spawns).
class ObjectFactory {
public:
    // A new object of the type, or null (and a log line) for a type the factory does not make.
    static std::unique_ptr<IWorldObject> createObject(WorldObjectType type, int32_t owner, double x,
                                                      double z);
};
