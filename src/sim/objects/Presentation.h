#pragma once

struct ModelInstance;

// What the simulation asks of the renderer and the sound: the narrow seam that keeps the
// simulation free of OpenGL and OpenAL. The game installs the real one; tests and the headless
// runner keep the default, which has no models, draws nothing and plays nothing.
class Presentation {
public:
    virtual ~Presentation() = default;

    // A new instance of the model of an object type or projectile kind, owned by the caller;
    // null when there is none.
    virtual ModelInstance* createInstance(int /*type*/) { return nullptr; }
    virtual ModelInstance* createProjectileInstance(int /*kind*/) { return nullptr; }

    // Draws an instance at a world position, turned to its direction.
    virtual void drawInstance(ModelInstance& /*instance*/, double /*x*/, double /*y*/, double /*z*/) {}
    // Draws a building under construction on the ground at grid (x, z), raised to `rise` (0 to 1).
    virtual void drawRising(ModelInstance& /*instance*/, double /*x*/, double /*z*/, double /*rise*/) {}

    virtual void playSelectResponse(int /*type*/) {}
    virtual void playMoveAcknowledgement(int /*type*/) {}

    // `player`'s selection offers a command button of the interface panel (5 trains a Worker, 6 a
    // Marine).
    virtual void showPanelButton(int /*player*/, int /*slot*/) {}
};

Presentation& presentation();

// Installs the game's presentation; null restores the silent default.
void setPresentation(Presentation* installed);
