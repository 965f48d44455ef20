#include "client/GamePresentation.h"

#include "client/models/ModelDrawing.h"
#include "client/models/ModelRegistry.h"
#include "client/panel/PanelButtons.h"
#include "client/sound/GameSounds.h"
#include "files/World.h"

#include <GL/glew.h>

ModelInstance* GamePresentation::createInstance(int type) {
    return ModelRegistry::instance().createInstance(type).release();
}

ModelInstance* GamePresentation::createProjectileInstance(int kind) {
    return ModelRegistry::instance().createProjectileInstance(kind).release();
}

void GamePresentation::drawInstance(ModelInstance& instance, double x, double y, double z) {
    ::drawInstance(instance, x, y, z);
}

// A building under construction grows out of the ground and is always drawn. Its full-height box
// still takes the occlusion test, whose result is what makes the site pickable: a Worker is
// ordered onto a site by clicking it.
void GamePresentation::drawRising(ModelInstance& instance, double x, double z, double rise) {
    if (!instance.model || !instance.gpu)
        return;
    const WorldPoint ground = groundPoint(z, x);
    glPushMatrix();
    glTranslated(ground.x, ground.y, ground.z);
    instance.visible = isVisible(*instance.model, *instance.gpu);
    glScaled(1.0, rise, 1.0);
    drawModel(*instance.model, *instance.gpu, &instance.animationState, instance.colour);
    glPopMatrix();
}

void GamePresentation::playSelectResponse(int type) {
    ::playSelectResponse(type);
}

void GamePresentation::playMoveAcknowledgement(int type) {
    ::playMoveAcknowledgement(type);
}

void GamePresentation::showPanelButton(int slot) {
    ::showPanelButton(slot);
}

void installGamePresentation() {
    static GamePresentation game;
    setPresentation(&game);
}
