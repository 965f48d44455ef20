#include "client/render/SelectionCircles.h"

#include "sim/game/GameMap.h"
#include "sim/objects/IWorldObject.h"

#include <GL/glew.h>

Texture selectionCircle;

namespace {

constexpr uint32_t TransparentBlack = 0;
constexpr TextureFilter Linear = 1;
// Keeps the circle above the ground it lies on.
constexpr double CircleLift = 0.3;

void corner(double z, double x, double u, double v, double lift) {
    const WorldPoint point = groundPoint(z, x);
    glTexCoord2d(u, v);
    glVertex3d(point.x, point.y + lift, point.z);
}

} // namespace

void loadSelectionCircle() {
    loadColorKeyedTexture(selectionCircle, "data\\textures\\circle.png", TransparentBlack, Linear);
}

void drawSelectionCircles(const SelectedObjects& selection) {
    beginGroundCircles(255, 0, 0);
    for (const auto& object : selection.getEntries()) {
        const GridPosition p = object->getPosition();
        groundCircle(p.x, p.z, 1.0, CircleLift);
    }
    endGroundCircles();
}

void beginGroundCircles(uint8_t red, uint8_t green, uint8_t blue) {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, selectionCircle.id);
    glColor3ub(red, green, blue);
    glBegin(GL_QUADS);
}

void groundCircle(double x, double z, double halfWidth, double lift) {
    corner(z - halfWidth, x - halfWidth, 0.0, 1.0, lift);
    corner(z + halfWidth, x - halfWidth, 0.0, 0.0, lift);
    corner(z + halfWidth, x + halfWidth, 1.0, 0.0, lift);
    corner(z - halfWidth, x + halfWidth, 1.0, 1.0, lift);
}

void endGroundCircles() {
    glEnd();
    glDisable(GL_BLEND);
}
