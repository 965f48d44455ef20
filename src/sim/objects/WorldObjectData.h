#pragma once

#include "sim/objects/GridPosition.h"
#include "sim/objects/ModelInstance.h"
#include "sim/objects/PositionWatcher.h"
#include "sim/objects/WorldObjectType.h"

#include <cstdint>
#include <memory>

// The record every world object carries and every ability part of it points to.
struct WorldObjectData {
    WorldObjectType type = TypeNone;
    int32_t owner = -1; // player id
    double x = 0.0;     // grid units
    double z = 0.0;
    std::unique_ptr<ModelInstance> model; // null when the type has no model
    PositionWatcher* watcher = nullptr;   // set while an index holds the object

    GridPosition position() const { return {x, z}; }
    // Every move goes through here, so that the watcher sees it.
    void setPosition(double newX, double newZ) {
        x = newX;
        z = newZ;
        if (watcher)
            watcher->positionChanged(x, z);
    }
};
