#include "client/render/RenderContext.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>

namespace {

std::array<GLfloat, 16> matrix(GLenum which) {
    std::array<GLfloat, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}

class OrthoModeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openGlWindow()); }
};

TEST_F(OrthoModeTest, PairLeavesMatricesAndDepthFunctionAsTheyWere) {
    resizeView();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    const auto projection = matrix(GL_PROJECTION_MATRIX);
    const auto modelview = matrix(GL_MODELVIEW_MATRIX);

    enterOrthoMode();
    GLint depthFunction = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    EXPECT_EQ(depthFunction, GL_ALWAYS);
    leaveOrthoMode();

    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelview);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    EXPECT_EQ(depthFunction, GL_LESS);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(OrthoModeTest, PointAtOriginLandsOnTheLowerLeftPixel) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    enterOrthoMode();
    glDisable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    glBegin(GL_POINTS);
    glVertex2f(0.0f, 0.0f);
    glEnd();
    leaveOrthoMode();
    glFinish();

    std::array<GLubyte, 4 * 4> pixels{};
    glReadPixels(0, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_EQ(pixels[0], 255) << "lower-left pixel";
    EXPECT_EQ(pixels[4], 0) << "its right neighbour";
    EXPECT_EQ(pixels[8], 0) << "the pixel above";
}

TEST_F(OrthoModeTest, PerspectiveFollowsTheClientAspect) {
    resizeView();
    const platform::Rect client = platform::clientRect();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], client.right);
    EXPECT_EQ(viewport[3], client.bottom);
    const auto projection = matrix(GL_PROJECTION_MATRIX);
    // m[0] / m[5] is height / width for a symmetric perspective.
    EXPECT_NEAR(projection[5] / projection[0], static_cast<float>(client.right) / client.bottom, 1e-4);
}

} // namespace
