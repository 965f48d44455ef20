#include "render/Frame.h"

#include "platform/Platform.h"

#include <GL/glew.h>

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    platform::swapBuffers();
}
