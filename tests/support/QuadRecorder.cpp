#include "support/QuadRecorder.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

std::ostream& operator<<(std::ostream& out, const RecordedQuad& quad) {
    return out << "[" << quad.left << ", " << quad.bottom << " .. " << quad.right << ", " << quad.top << "]";
}

namespace {

// Window coordinates come back with rounding noise; the quads of interest lie on whole pixels.
void include(RecordedQuad& quad, float rawX, float rawY, bool first) {
    const float x = std::round(rawX);
    const float y = std::round(rawY);
    quad.left = first ? x : std::min(quad.left, x);
    quad.right = first ? x : std::max(quad.right, x);
    quad.bottom = first ? y : std::min(quad.bottom, y);
    quad.top = first ? y : std::max(quad.top, y);
}

} // namespace

std::vector<RecordedQuad> recordQuads(const std::function<void()>& draw) {
    std::vector<GLfloat> buffer(1 << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);

    // A driver hands a quad back as one polygon of four corners or as two triangles.
    std::vector<RecordedQuad> quads;
    int cornersPending = 0;
    for (GLint i = 0; i < count && buffer[i] == GL_POLYGON_TOKEN;) {
        const int corners = static_cast<int>(buffer[i + 1]);
        const bool first = cornersPending == 0;
        if (first) {
            quads.emplace_back();
            cornersPending = corners == 3 ? 6 : corners;
        }
        for (int c = 0; c < corners; ++c)
            include(quads.back(), buffer[i + 2 + 2 * c], buffer[i + 3 + 2 * c], first && c == 0);
        cornersPending -= corners;
        i += 2 + 2 * corners;
    }
    return quads;
}
