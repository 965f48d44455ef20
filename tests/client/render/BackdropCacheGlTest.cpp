#include "client/render/BackdropCache.h"
#include "support/GlWindow.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

int backdropsDrawn = 0;

// Thin triangles at differing depths around the window's centre: many edges cross pixels at odd
// slopes, where the row order a rasteriser draws in decides a pixel.
void drawFan() {
    ++backdropsDrawn;
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < 40; ++i) {
        const float a = 0.157f * static_cast<float>(i);
        const float b = a + 0.157f;
        glColor3ub(static_cast<GLubyte>(i * 6), static_cast<GLubyte>(255 - i * 6),
                   static_cast<GLubyte>(i * 37 % 256));
        glVertex3f(0.0f, 0.0f, -5.0f);
        glVertex3f(3.0f * std::cos(a), 3.0f * std::sin(a), -4.0f - static_cast<float>(i % 3));
        glVertex3f(3.0f * std::cos(b), 3.0f * std::sin(b), -6.0f);
    }
    glEnd();
}

void lookAtTheFan(float turn) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 4.0 / 3.0, 1.0, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(turn, 0.0f, 0.0f, 1.0f);
}

// A frame: the backdrop, then a tilted white square through it that the kept depth must cut.
std::vector<Rgb> frame(const std::vector<uint64_t>& contents = {}) {
    backdropCache.begin(drawFan, contents);
    glColor3ub(255, 255, 255);
    glBegin(GL_QUADS);
    glVertex3f(-1.0f, -1.0f, -3.0f);
    glVertex3f(1.0f, -1.0f, -7.0f);
    glVertex3f(1.0f, 1.0f, -7.0f);
    glVertex3f(-1.0f, 1.0f, -3.0f);
    glEnd();
    return windowPixels();
}

std::size_t differingPixels(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        differing += a[i] != b[i];
    return differing + (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

TEST(BackdropCacheTest, AStillViewIsDrawnTwiceThenCopiedAndEveryFrameIsTheDrawnPicture) {
    ASSERT_TRUE(openGlWindow());
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDisable(GL_TEXTURE_2D); // plain colours, whatever the program's other tests left
    glDisable(GL_BLEND);
    glClearColor(0.2f, 0.3f, 0.4f, 1.0f);
    backdropCache.forget();
    backdropsDrawn = 0;
    lookAtTheFan(0.0f);

    const std::vector<Rgb> drawn = frame();
    const Rgb white{255, 255, 255};
    EXPECT_EQ(pixelColour(windowPixel(-0.8, 0.2, -3.4)), white) << "the square's near side, before the fan";
    EXPECT_NE(pixelColour(windowPixel(0.8, 0.2, -6.6)), white) << "its far side, which the fan hides";
    EXPECT_EQ(differingPixels(frame(), drawn), 0u) << "the view's second frame keeps its backdrop";
    for (int copied = 0; copied < 2; ++copied)
        EXPECT_EQ(differingPixels(frame(), drawn), 0u) << "a frame drawn on the kept backdrop";
    EXPECT_EQ(backdropsDrawn, 2);

    EXPECT_EQ(differingPixels(frame({7}), drawn), 0u) << "other contents draw afresh";
    EXPECT_EQ(backdropsDrawn, 3);

    lookAtTheFan(10.0f);
    const std::vector<Rgb> turned = frame();
    EXPECT_GT(differingPixels(turned, drawn), 0u);
    EXPECT_EQ(differingPixels(frame(), turned), 0u);
    EXPECT_EQ(differingPixels(frame(), turned), 0u);
    EXPECT_EQ(backdropsDrawn, 5) << "a turned view is drawn twice, then copied";

    glClearColor(0.5f, 0.3f, 0.4f, 1.0f);
    frame();
    EXPECT_EQ(backdropsDrawn, 6) << "the clear colour shows where the fan does not";
    frame();
    backdropCache.forget();
    frame();
    EXPECT_EQ(backdropsDrawn, 8) << "a forgotten backdrop is drawn again";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
