#pragma once

#include "sim/objects/FightableData.h"
#include "sim/objects/IAbility.h"
#include "sim/objects/IntervalTimer.h"

#include <memory>

class IWorldObject;

// Hit points and the ability to shoot at a target. A shot makes a projectile, which deals the
// damage; every shot is logged and announced as an attack.
class Fightable : public IAbility, public FightableData {
public:
    // Automatic targeting looks this far, whatever the range.
    static constexpr double ScanDistance = 20.0;
    static constexpr int32_t ScanInterval = 100000000;
    // In a skirmish, what engages on sight looks about twice a second.
    static constexpr int32_t SkirmishScanInterval = 500;

    // Drops the target; the next shot waits a full cooldown.
    void stop() override;
    std::string getAbilityName() const override { return "Fightable"; }
    virtual bool isTargetable() const { return true; }
    virtual void onAttack() {}
    virtual void onDamaged() {}
    virtual void onTargetOutOfRange() {}
    // Whether the object takes on an enemy that comes within range, and answers a shot at it, by
    // itself: in a skirmish, Marines and base centres do.
    virtual bool engagesOnSight() const { return false; }
    // Ignored while the object is not targetable.
    void takeDamage(int32_t amount) override;

    // Points the ability at its object and takes the numbers of its type from the owner's tables.
    void initialise(WorldObjectData& record);
    // Refused for objects without hit points, of the same owner, or not targetable.
    bool setTarget(std::shared_ptr<IWorldObject> object);
    void dropTarget() { target.reset(); }
    const std::shared_ptr<IWorldObject>& getTarget() const { return target; }
    // True without a target, or when the target is within range.
    bool isInRange() const;
    // One combat step at the game clock.
    void update();

protected:
    // Drops the target and restarts the attack timer.
    void disengage();

private:
    void scanForEnemy();
    void fireAt(IWorldObject& victim);
    // A shot from `shooter` hit it: without a target of its own, it answers.
    void answer(IWorldObject& shooter);

    IntervalTimer scanTimer{-1, ScanInterval};
    std::shared_ptr<IWorldObject> target;
};
