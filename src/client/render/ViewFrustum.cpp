#include "client/render/ViewFrustum.h"

#include <GL/glew.h>

#include <cmath>

namespace {

// Boxes nearer the outside of a plane than this stay in: GL clips in single precision.
constexpr double RoundingMargin = 0.01;

} // namespace

// The planes are the sums and differences of the fourth row of projection × model-view with each
// of the other three: a point is inside where -w <= x, y, z <= w.
ViewFrustum ViewFrustum::current() {
    GLdouble modelView[16];
    GLdouble projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    double m[16]; // column-major, as GL keeps it
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            m[column * 4 + row] = 0.0;
            for (int k = 0; k < 4; ++k)
                m[column * 4 + row] += projection[k * 4 + row] * modelView[column * 4 + k];
        }
    ViewFrustum frustum;
    for (int axis = 0; axis < 3; ++axis)
        for (int side = 0; side < 2; ++side) {
            auto& plane = frustum.planes[axis * 2 + side];
            const double sign = side == 0 ? 1.0 : -1.0;
            for (int column = 0; column < 4; ++column)
                plane[column] = m[column * 4 + 3] + sign * m[column * 4 + axis];
            const double length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
            for (double& value : plane)
                value /= length;
        }
    return frustum;
}

bool ViewFrustum::mayShow(const WorldBox& box) const {
    for (const auto& plane : planes) {
        // The box's corner farthest along the plane's normal.
        const double x = plane[0] >= 0.0 ? box.maxX : box.minX;
        const double y = plane[1] >= 0.0 ? box.maxY : box.minY;
        const double z = plane[2] >= 0.0 ? box.maxZ : box.minZ;
        if (plane[0] * x + plane[1] * y + plane[2] * z + plane[3] < -RoundingMargin)
            return false;
    }
    return true;
}
