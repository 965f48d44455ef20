#include "sim/objects/Moveable.h"

#include "core/FrameClock.h"
#include "sim/objects/Presentation.h"
#include "sim/objects/UnitResponseSwitch.h"
#include "sim/objects/WorldObjectData.h"
#include "sim/players/PlayerManager.h"

#include <cmath>

namespace {
const std::string RunAnimation = "run";
} // namespace

void Moveable::attach(WorldObjectData& record) {
    object = &record;
    destinationX = record.x;
    destinationZ = record.z;
}

void Moveable::stop() {
    stopWalking();
}

void Moveable::stopWalking() {
    moving = false;
    if (object->model)
        stopAnimation(*object->model, RunAnimation);
}

void Moveable::moveTo(double x, double z) {
    if (object->model)
        playAnimation(*object->model, RunAnimation);
    if (UnitResponseSwitch::isOn())
        presentation().playMoveAcknowledgement(object->type);
    moving = true;
    destinationX = x;
    destinationZ = z;
}

void Moveable::update() {
    if (!moving)
        return;
    const double dx = destinationX - object->x;
    const double dz = destinationZ - object->z;
    const double remaining = std::sqrt(dx * dx + dz * dz);
    double stepX = 0.0;
    double stepZ = 0.0;
    if (remaining > 0.0) {
        const double speed =
            PlayerManager::getInstance()->getPlayer(object->owner).getRealNumbers(object->type).speed;
        const double scale = FrameMilliseconds * speed / remaining;
        stepX = dx * scale;
        stepZ = dz * scale;
    }
    // Stopping short rather than landing on the destination is the game's rule.
    if (std::sqrt(stepX * stepX + stepZ * stepZ) >= remaining) {
        stopWalking();
        return;
    }
    object->setPosition(object->x + stepX, object->z + stepZ);
    if (object->model) {
        object->model->direction[0] = static_cast<float>(stepX);
        object->model->direction[1] = 0.0f;
        object->model->direction[2] = static_cast<float>(stepZ);
    }
}
