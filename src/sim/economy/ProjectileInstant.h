#pragma once

#include "sim/economy/IProjectile.h"

class IWorldObject;

// A bullet: the damage lands when it is fired; the picture then flies for a moment to where the
// target stood.
class ProjectileInstant : public IProjectile {
public:
    static constexpr int32_t FlightTime = 1500;
    static constexpr int Kind = 0;

    ProjectileInstant(int32_t damage, double fromX, double fromZ, IWorldObject& target);

    // A straight line two units above the ground line.
    FlightPosition getFlightPosition() const override;
};
