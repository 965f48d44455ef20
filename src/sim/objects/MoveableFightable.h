#pragma once

#include "sim/objects/Fightable.h"
#include "sim/objects/Moveable.h"

// A fighter that chases a target out of range and holds still for a moment after each shot.
class MoveableFightable : public Moveable, public Fightable {
public:
    static constexpr int32_t ShotPause = 300;

    // Drops the target, restarts the attack timer and stops walking.
    void stop() override;
    std::string getAbilityName() const override { return "MoveableFightable"; }
    void onAttack() override;
    void onTargetOutOfRange() override;

    void attach(WorldObjectData& record);
    // Stops walking once the target is in range; walks and fights unless pausing after a shot.
    // On an attack-move, takes on the nearest enemy in range and walks on once it is gone.
    void update();

    // Walks to (x, z), fighting on the way.
    void startAttackMove(double x, double z);
    void endAttackMove() { attackMoving = false; }
    bool isAttackMoving() const { return attackMoving; }

private:
    void keepAttackMoving();

    int32_t pauseDuration = 1;
    int32_t pauseStart = -1;
    bool attackMoving = false;
    bool engagedOnTheWay = false;
    double goalX = 0.0;
    double goalZ = 0.0;
};
