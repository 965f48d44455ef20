#pragma once

#include "sim/economy/ResourceReceiverType.h"
#include "sim/objects/Constructer.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

// A side's base: trains Workers, receives both resources, and takes a new rally point from a
// walk order.
class TownCenter : public IWorldObject,
                   public Constructer,
                   public ResourceReceiverType<Metal>,
                   public ResourceReceiverType<VermilionOil>,
                   public Fightable {
public:
    explicit TownCenter(WorldObjectData record);

    // For every part: loses the queue, drops the target, restarts the attack timer.
    void stop() override;

    bool isDead() const override { return hp <= 0; }
    void update() override;
    void onRemove() override;
    void moveTo(double x, double z) override { setRallyPoint(x, z); }
    std::string getState() const override { return describeTraining(); }
    bool engagesOnSight() const override;
};
