#pragma once

#include "sim/objects/IWorldObject.h"
#include "sim/objects/Moveable.h"

// A walker that takes no orders and never dies.
class Scout : public IWorldObject, public Moveable {
public:
    explicit Scout(WorldObjectData record);

    // Orders are ignored; only a direct call on the Moveable part walks it.
    using IWorldObject::moveTo;

    bool isDead() const override { return false; }
    void update() override { Moveable::update(); }
    bool walks() const override { return true; }
};
