#include "client/render/ViewTransform.h"

#include <GL/glew.h>
#include <GL/glu.h>

ViewTransform ViewTransform::current() {
    ViewTransform transform;
    glGetDoublev(GL_MODELVIEW_MATRIX, transform.modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, transform.projection);
    glGetIntegerv(GL_VIEWPORT, transform.viewport);
    return transform;
}

bool ViewTransform::project(double x, double y, double z, double& windowX, double& windowY,
                            double& depth) const {
    return gluProject(x, y, z, modelView, projection, viewport, &windowX, &windowY, &depth) == GL_TRUE;
}

bool ViewTransform::unproject(double windowX, double windowY, double depth, double& x, double& y,
                              double& z) const {
    return gluUnProject(windowX, windowY, depth, modelView, projection, viewport, &x, &y, &z) == GL_TRUE;
}
