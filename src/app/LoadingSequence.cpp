#include "app/LoadingSequence.h"

#include "render/RenderContext.h"
#include "sound/GameSounds.h"
#include "sound/SoundSystem.h"

#include <GL/glew.h>

namespace {

// The sound part of the menu set-up: the device, then the click and the swish.
void startMenuSounds() {
    startSound(); // a failure leaves the game silent
    loadMenuSounds();
}

} // namespace

void runLoadingSequence() {
    setInitialGlState();
    glewExperimental = GL_TRUE;
    glewInit(); // the game runs on without the extensions it names; a missing one draws nothing
    startMenuSounds();
    loadUnitResponses();
}
