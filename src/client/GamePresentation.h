#pragma once

#include "client/models/ObjectBatch.h"
#include "sim/objects/Presentation.h"

// The game's side of the simulation's seam: models from the registry, drawing in the 3-D scene,
// the unit responses and the panel's command buttons. The simulation's draws are batched: they
// show once the batch is drawn.
class GamePresentation : public Presentation {
public:
    ModelInstance* createInstance(int type) override;
    ModelInstance* createProjectileInstance(int kind) override;
    void drawInstance(ModelInstance& instance, double x, double y, double z) override;
    void drawRising(ModelInstance& instance, double x, double z, double rise) override;
    void playSelectResponse(int type) override;
    void playMoveAcknowledgement(int type) override;
    // Only the commanding side's selection shows the panel's buttons.
    void showPanelButton(int player, int slot) override;

    ObjectBatch& batch() { return objects; }
    // The side whose orders the panel gives; none (-1) while a recorded game is shown.
    void setCommandingPlayer(int player) { commandingPlayer = player; }

private:
    ObjectBatch objects;
    int commandingPlayer = -1;
};

// Installs the game's presentation for the rest of the run. The map's objects take their models
// while the world loads, so this comes before the loading sequence.
void installGamePresentation();
GamePresentation& gamePresentation();

// What the simulation drew through the game's presentation since the last frame: drawn by
// ObjectBatch::drawAll, or drawFront then drawFrom, and tested for picking by testVisibility.
ObjectBatch& sceneObjects();
