#include "app/LoadingSequence.h"

#include "render/RenderContext.h"

#include <GL/glew.h>

void runLoadingSequence() {
    setInitialGlState();
    glewExperimental = GL_TRUE;
    glewInit(); // the game runs on without the extensions it names; a missing one draws nothing
}
