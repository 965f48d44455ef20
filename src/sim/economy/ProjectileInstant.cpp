#include "sim/economy/ProjectileInstant.h"

#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

ProjectileInstant::ProjectileInstant(int32_t damage, double fromX, double fromZ, IWorldObject& target)
    : IProjectile(fromX, fromZ, target.getPosition().x, target.getPosition().z, FlightTime, Kind) {
    if (auto* fightable = dynamic_cast<Fightable*>(&target))
        fightable->takeDamage(damage);
}

FlightPosition ProjectileInstant::getFlightPosition() const {
    const double t = flightParameter();
    const double h0 = startGround();
    const double h1 = endGround();
    return {fromX + (toX - fromX) * t, fromZ + (toZ - fromZ) * t, h0 + (h1 - h0) * t + 2.0};
}
