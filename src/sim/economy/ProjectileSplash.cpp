#include "sim/economy/ProjectileSplash.h"

#include "sim/manager/ObjectManager.h"
#include "sim/objects/Fightable.h"

#include <cmath>
#include <numbers>

ProjectileSplash::ProjectileSplash(int32_t damage, double fromX, double fromZ, double toX, double toZ,
                                   double radius)
    : IProjectile(fromX, fromZ, toX, toZ, FlightTime, Kind), radius(radius), damage(damage) {}

void ProjectileSplash::onRemove() {
    // The last frame may have overshot the end, so the centre can lie a little beyond the goal.
    const FlightPosition centre = getFlightPosition();
    const ObjectSelecter inRadius(ObjectManager::getInstance()->selectInRadius(centre.x, centre.z, radius));
    const std::unique_ptr<ObjectList> victims = inRadius.selectOfClass<Fightable>();
    for (const auto& victim : *victims)
        dynamic_cast<Fightable&>(*victim).takeDamage(damage);
}

FlightPosition ProjectileSplash::getFlightPosition() const {
    const double t = flightParameter();
    const double start = startGround() + 2.0;
    const double rise = endGround() - start;
    const double length =
        std::sqrt((toX - fromX) * (toX - fromX) + (toZ - fromZ) * (toZ - fromZ) + rise * rise);
    return {fromX + (toX - fromX) * t, fromZ + (toZ - fromZ) * t,
            start + rise * t + std::sin(std::numbers::pi * t) * length / 2.0};
}
