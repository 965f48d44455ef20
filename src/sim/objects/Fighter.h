#pragma once

#include "sim/objects/IWorldObject.h"
#include "sim/objects/MoveableFightable.h"

// The Marine.
class Fighter : public IWorldObject, public MoveableFightable {
public:
    explicit Fighter(WorldObjectData record);

    bool isDead() const override { return hp <= 0; }
    void update() override { MoveableFightable::update(); }
    void onRemove() override { dropTarget(); }
    // Gives up the target and walks.
    void moveTo(double x, double z) override;
    // Attacks what can be attacked; walks to anything else.
    void actOn(std::shared_ptr<IWorldObject> object) override;
    void attackMoveTo(double x, double z) override { startAttackMove(x, z); }
    void halt() override;
    bool walks() const override { return true; }
    bool engagesOnSight() const override;
    // Neither walking nor fighting.
    bool isIdle() const { return !isMoving() && !getTarget(); }
};
