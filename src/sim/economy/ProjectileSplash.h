#pragma once

#include "sim/economy/IProjectile.h"

// A shell: flies on an arc to a point on the ground and, when it lands, damages every fightable
// object strictly within its radius, whoever owns it.
class ProjectileSplash : public IProjectile {
public:
    static constexpr int32_t FlightTime = 6000;
    static constexpr int Kind = 1;

    ProjectileSplash(int32_t damage, double fromX, double fromZ, double toX, double toZ, double radius);

    // Lands: the damage is dealt when the object manager drops the finished shell, while the
    // world it lands in still stands (a shell still flying at shutdown lands nowhere).
    void onRemove() override;
    // Leaves two units above the shooter's ground, rises about half the distance above the
    // straight line at mid-flight and lands on the ground.
    FlightPosition getFlightPosition() const override;

private:
    double radius;
    int32_t damage;
};
