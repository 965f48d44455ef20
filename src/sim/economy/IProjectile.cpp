#include "sim/economy/IProjectile.h"

#include "sim/game/GameClock.h"
#include "sim/game/GameMap.h"
#include "sim/objects/Presentation.h"

IProjectile::IProjectile(double fromX, double fromZ, double toX, double toZ, int32_t flightTime, int kind)
    : fromX(fromX), fromZ(fromZ), toX(toX), toZ(toZ), startTime(gameClock().now()),
      endTime(gameClock().now() + flightTime), model(presentation().createProjectileInstance(kind)) {}

bool IProjectile::isDead() const {
    return gameClock().now() >= endTime;
}

void IProjectile::render() {
    if (!model)
        return;
    const FlightPosition position = getFlightPosition();
    const WorldPoint ground = groundPoint(position.z, position.x);
    presentation().drawInstance(*model, ground.x, position.height, ground.z);
}

double IProjectile::flightParameter() const {
    return static_cast<double>(gameClock().now() - startTime) / static_cast<double>(endTime - startTime);
}

double IProjectile::startGround() const {
    return groundPoint(fromZ, fromX).y;
}

double IProjectile::endGround() const {
    return groundPoint(toZ, toX).y;
}
