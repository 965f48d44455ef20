#include "client/render/TargetFlash.h"

#include "client/render/SelectionCircles.h"
#include "sim/objects/IWorldObject.h"

TargetFlash targetFlash;

namespace {

constexpr int Blinks = 3;
constexpr double HalfWidth = 1.2;
constexpr double Lift = 0.4; // above the selection circles and the move marker

} // namespace

void TargetFlash::mark(const std::shared_ptr<IWorldObject>& object, bool isEnemy, int32_t now) {
    target = object;
    enemy = isEnemy;
    markedAt = now;
}

std::optional<TargetFlash::Shown> TargetFlash::shown(int32_t now) const {
    const std::shared_ptr<IWorldObject> object = target.lock();
    if (!markedAt || !object || object->isDead() || now < *markedAt)
        return std::nullopt;
    const int32_t phase = (now - *markedAt) / BlinkMilliseconds;
    if (phase >= 2 * Blinks || phase % 2 != 0)
        return std::nullopt;
    return Shown{object->getPosition(), enemy};
}

void TargetFlash::draw(int32_t now) const {
    const std::optional<Shown> circle = shown(now);
    if (!circle)
        return;
    if (circle->enemy)
        beginGroundCircles(255, 40, 30);
    else
        beginGroundCircles(60, 255, 60);
    groundCircle(circle->at.x, circle->at.z, HalfWidth, Lift);
    endGroundCircles();
}
