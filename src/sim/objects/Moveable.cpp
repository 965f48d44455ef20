#include "sim/objects/Moveable.h"

#include "sim/game/GameClock.h"
#include "sim/objects/Presentation.h"
#include "sim/objects/UnitResponseSwitch.h"
#include "sim/objects/WorldObjectData.h"
#include "sim/players/PlayerManager.h"

#include <algorithm>
#include <cmath>

namespace {
const std::string RunAnimation = "run";
// A long frame is walked in pieces no longer than this, so stopping short leaves a unit less than
// one piece's walk from its goal: a Worker stops within 0.8 cells, inside the reach of a site or a
// pile, however slow the frames are.
constexpr int32_t LongestPieceMilliseconds = 40;
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
    bool walked = false;
    double walkedX = 0.0;
    double walkedZ = 0.0;
    int32_t left = gameClock().passLength();
    do {
        const int32_t piece = std::min(left, LongestPieceMilliseconds);
        left -= piece;
        double stepX = 0.0;
        double stepZ = 0.0;
        if (!walkPiece(piece, stepX, stepZ))
            break;
        walked = true;
        walkedX += stepX;
        walkedZ += stepZ;
    } while (left > 0);
    if (walked && object->model) {
        object->model->direction[0] = static_cast<float>(walkedX);
        object->model->direction[1] = 0.0f;
        object->model->direction[2] = static_cast<float>(walkedZ);
    }
}

bool Moveable::walkPiece(int32_t milliseconds, double& stepX, double& stepZ) {
    const double dx = destinationX - object->x;
    const double dz = destinationZ - object->z;
    const double remaining = std::sqrt(dx * dx + dz * dz);
    if (remaining > 0.0) {
        const double speed =
            PlayerManager::getInstance()->getPlayer(object->owner).getRealNumbers(object->type).speed;
        const double scale = milliseconds * speed / remaining;
        stepX = dx * scale;
        stepZ = dz * scale;
    }
    // Stopping short rather than landing on the destination is the game's rule.
    if (std::sqrt(stepX * stepX + stepZ * stepZ) >= remaining) {
        stopWalking();
        return false;
    }
    object->setPosition(object->x + stepX, object->z + stepZ);
    return true;
}
