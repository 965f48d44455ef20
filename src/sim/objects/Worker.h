#pragma once

#include "sim/economy/ResourceCarier.h"
#include "sim/objects/IWorldObject.h"
#include "sim/objects/MoveableBuilder.h"
#include "sim/objects/MoveableFightable.h"

// Gathers metal, builds sites and fights. It walks with three independent legs, one for each of
// those abilities; every order first stops all of them.
class Worker : public IWorldObject, public ResourceCarier, public MoveableBuilder, public MoveableFightable {
public:
    static constexpr int32_t BuildInterval = 30;
    static constexpr int32_t GatherInterval = 100;

    explicit Worker(WorldObjectData record);

    // The whole-unit stop, whichever part is asked.
    void stop() override;

    bool isDead() const override { return hp <= 0; }
    void update() override;
    void onRemove() override;
    // Stops everything and walks.
    void moveTo(double x, double z) override;
    // Gathers from a metal pile, builds a site, delivers to an own town centre, attacks what can
    // be attacked, or walks there.
    void actOn(std::shared_ptr<IWorldObject> object) override;
    // Stops everything, then walks and fights on the way.
    void attackMoveTo(double x, double z) override;
    void halt() override { stop(); }
    bool walks() const override { return true; }

    // Neither walking, gathering, building nor fighting.
    bool isIdle() const;

    Moveable& carrierLegs() { return static_cast<ResourceCarier&>(*this); }
    Moveable& builderLegs() { return static_cast<MoveableBuilder&>(*this); }
    Moveable& fighterLegs() { return static_cast<MoveableFightable&>(*this); }
};
