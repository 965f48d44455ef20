#include "client/GamePresentation.h"

#include "client/models/ModelRegistry.h"
#include "client/panel/PanelButtons.h"
#include "client/sound/GameSounds.h"
#include "sim/game/GameMap.h"

ModelInstance* GamePresentation::createInstance(int type) {
    return ModelRegistry::instance().createInstance(type).release();
}

ModelInstance* GamePresentation::createProjectileInstance(int kind) {
    return ModelRegistry::instance().createProjectileInstance(kind).release();
}

void GamePresentation::drawInstance(ModelInstance& instance, double x, double y, double z) {
    objects.add(instance, x, y, z);
}

// A building under construction grows out of the ground and is always drawn. Its full-height box
// still takes the occlusion test, whose result is what makes the site pickable: a Worker is
// ordered onto a site by clicking it.
void GamePresentation::drawRising(ModelInstance& instance, double x, double z, double rise) {
    const WorldPoint ground = groundPoint(z, x);
    objects.addRising(instance, ground.x, ground.y, ground.z, rise);
}

void GamePresentation::playSelectResponse(int type) {
    ::playSelectResponse(type);
}

void GamePresentation::playMoveAcknowledgement(int type) {
    ::playMoveAcknowledgement(type);
}

void GamePresentation::showPanelButton(int player, int slot) {
    if (player == commandingPlayer)
        ::showPanelButton(slot);
}

namespace {
GamePresentation game;
} // namespace

void installGamePresentation() {
    setPresentation(&game);
}

GamePresentation& gamePresentation() {
    return game;
}

ObjectBatch& sceneObjects() {
    return game.batch();
}
