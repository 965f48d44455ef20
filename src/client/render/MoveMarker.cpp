#include "client/render/MoveMarker.h"

#include "client/render/SelectionCircles.h"
#include "files/World.h"

#include <GL/glew.h>

MoveMarker moveMarker;

namespace {

constexpr double StartRadius = 1.5;
constexpr double EndRadius = 0.5;
constexpr double Lift = 0.35; // above the selection circles

void corner(double z, double x, double u, double v) {
    const WorldPoint point = groundPoint(z, x);
    glTexCoord2d(u, v);
    glVertex3d(point.x, point.y + Lift, point.z);
}

} // namespace

void MoveMarker::place(double atX, double atZ, int32_t now) {
    x = atX;
    z = atZ;
    placedAt = now;
}

std::optional<double> MoveMarker::radius(int32_t now) const {
    if (!placedAt || now < *placedAt || now - *placedAt >= ShowMilliseconds)
        return std::nullopt;
    const double left = 1.0 - static_cast<double>(now - *placedAt) / ShowMilliseconds;
    return EndRadius + (StartRadius - EndRadius) * left;
}

void MoveMarker::draw(int32_t now) const {
    const std::optional<double> r = radius(now);
    if (!r)
        return;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, selectionCircle.id);
    glColor3ub(60, 255, 60);
    glBegin(GL_QUADS);
    corner(z - *r, x - *r, 0.0, 1.0);
    corner(z + *r, x - *r, 0.0, 0.0);
    corner(z + *r, x + *r, 1.0, 0.0);
    corner(z - *r, x + *r, 1.0, 1.0);
    glEnd();
    glDisable(GL_BLEND);
}
