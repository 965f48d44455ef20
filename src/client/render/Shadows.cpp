#include "client/render/Shadows.h"

#include "files/Model.h"
#include "sim/game/GameMap.h"
#include "sim/objects/IWorldObject.h"
#include "sim/objects/ModelInstance.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Size = 64;
constexpr double Lift = 0.15;
constexpr uint8_t Darkness = 150; // the alpha at the middle

bool enabled = false;
GLuint picture = 0;

// The disc: darkest in the middle, fading smoothly to nothing at its rim.
void makePicture() {
    std::vector<uint8_t> alpha(static_cast<std::size_t>(Size) * Size);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double dx = (x + 0.5) / Size * 2.0 - 1.0, dy = (y + 0.5) / Size * 2.0 - 1.0;
            const double fade = std::max(0.0, 1.0 - (dx * dx + dy * dy));
            alpha[static_cast<std::size_t>(y) * Size + x] = static_cast<uint8_t>(Darkness * fade * fade);
        }
    glGenTextures(1, &picture);
    glBindTexture(GL_TEXTURE_2D, picture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, Size, Size, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

void corner(double z, double x, double u, double v) {
    const WorldPoint point = groundPoint(z, x);
    glTexCoord2d(u, v);
    glVertex3d(point.x, point.y + Lift, point.z);
}

// Half the model's wider side, in cells, a little larger so the shadow shows beside it.
double halfWidth(const ModelInstance& instance) {
    const BoundingBox& box = instance.model->boundingBox;
    return std::max(box.maxX - box.minX, box.maxZ - box.minZ) / CellSize * 0.6;
}

} // namespace

void setShadows(bool on) {
    enabled = on;
}

bool shadowsOn() {
    return enabled;
}

void drawShadows(const ObjectList& objects) {
    if (!enabled)
        return;
    if (picture == 0)
        makePicture();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, picture);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glColor3ub(0, 0, 0);
    glBegin(GL_QUADS);
    for (const auto& object : objects) {
        const ModelInstance* instance = object->getModel();
        if (object->isDead() || !instance || !instance->model)
            continue;
        const GridPosition at = object->getPosition();
        const double half = halfWidth(*instance);
        corner(at.z - half, at.x - half, 0.0, 1.0);
        corner(at.z + half, at.x - half, 0.0, 0.0);
        corner(at.z + half, at.x + half, 1.0, 0.0);
        corner(at.z - half, at.x + half, 1.0, 1.0);
    }
    glEnd();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}
