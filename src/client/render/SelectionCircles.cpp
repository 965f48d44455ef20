#include "client/render/SelectionCircles.h"

#include "files/World.h"
#include "sim/objects/IWorldObject.h"

#include <GL/glew.h>

Texture selectionCircle;

namespace {

constexpr uint32_t TransparentBlack = 0;
constexpr TextureFilter Linear = 1;
// Keeps the circle above the ground it lies on.
constexpr double CircleLift = 0.3;

void circleCorner(double z, double x, double u, double v) {
    const WorldPoint point = groundPoint(z, x);
    glTexCoord2d(u, v);
    glVertex3d(point.x, point.y + CircleLift, point.z);
}

} // namespace

void loadSelectionCircle() {
    loadColorKeyedTexture(selectionCircle, "data\\textures\\circle.png", TransparentBlack, Linear);
}

void drawSelectionCircles(const SelectedObjects& selection) {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, selectionCircle.id);
    glColor3ub(255, 0, 0);
    glBegin(GL_QUADS);
    for (const auto& object : selection.getEntries()) {
        const GridPosition p = object->getPosition();
        circleCorner(p.z - 1.0, p.x - 1.0, 0.0, 1.0);
        circleCorner(p.z + 1.0, p.x - 1.0, 0.0, 0.0);
        circleCorner(p.z + 1.0, p.x + 1.0, 1.0, 0.0);
        circleCorner(p.z - 1.0, p.x + 1.0, 1.0, 1.0);
    }
    glEnd();
    glDisable(GL_BLEND);
}
