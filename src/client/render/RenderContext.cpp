#include "client/render/RenderContext.h"

#include "client/render/CameraMoves.h"

#include "platform/Platform.h"

#include <GL/glew.h>
#include <GL/glu.h>

RenderContext renderContext;

bool createContext(void (*load)(), void (*scene)(), std::string& error) {
    if (!platform::createGlContext(error))
        return false;
    renderContext.windowReady = true;
    renderContext.LoadFunction = load;
    renderContext.SceneFunction = scene;
    renderContext.LoadFunction();
    resizeView();
    return true;
}

void resizeView() {
    if (!renderContext.windowReady)
        return;
    const platform::Rect client = platform::clientRect();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (height <= 0)
        return;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(VerticalFieldOfView, static_cast<double>(width) / static_cast<double>(height), 0.01,
                   2000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void enterOrthoMode() {
    const platform::Rect client = platform::clientRect();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, client.right - client.left, 0.0, client.bottom - client.top, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDepthFunc(GL_ALWAYS);
}

void leaveOrthoMode() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glDepthFunc(GL_LESS);
}

void setInitialGlState() {
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glDepthFunc(GL_LESS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}
