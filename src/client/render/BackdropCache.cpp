#include "client/render/BackdropCache.h"

#include "core/Log.h"
#include "platform/Platform.h"

#include <GL/glew.h>

#include <cstring>
#include <utility>

BackdropCache backdropCache;

namespace {

constexpr GLuint Window = 0;

// Copies the colours and depth of a framebuffer of ours to the window's, turned upside down, and
// leaves the window bound.
void copyToWindow(GLuint from, GLint width, GLint height) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, Window);
    glBlitFramebuffer(0, 0, width, height, 0, height, width, 0, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT,
                      GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, Window);
}

// The window keeps its top row first and our framebuffers their bottom row first, and the
// rasteriser settles a pixel on an edge by the row order it draws in. Drawn upside down, our
// framebuffers are drawn in the window's row order, so every pixel comes out as in the window.
void drawUpsideDown(bool upsideDown) {
    glClipControl(upsideDown ? GL_UPPER_LEFT : GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
}

GLint windowBits(GLenum buffer) {
    GLint bits = 0;
    glGetIntegerv(buffer, &bits);
    return bits;
}

// Formats that hold what the window holds, no more and no less: the same colours, a destination
// alpha only where the window has one, depth of the same precision, so every test and blend comes
// out as it would in the window. 0 when there is none.
GLenum colourFormatOfTheWindow() {
    if (windowBits(GL_RED_BITS) != 8 || windowBits(GL_GREEN_BITS) != 8 || windowBits(GL_BLUE_BITS) != 8)
        return 0;
    switch (windowBits(GL_ALPHA_BITS)) {
    case 0:
        return GL_RGB8;
    case 8:
        return GL_RGBA8;
    }
    return 0;
}

GLenum depthFormatOfTheWindow() {
    switch (windowBits(GL_DEPTH_BITS)) {
    case 16:
        return GL_DEPTH_COMPONENT16;
    case 24:
        return GL_DEPTH_COMPONENT24;
    case 32:
        return GL_DEPTH_COMPONENT32;
    }
    return 0;
}

} // namespace

void BackdropCache::begin(const std::function<void()>& draw, std::vector<uint64_t> contents) {
    const View view = currentView();
    const bool keptForView = kept_ && sameView(view, keptView_) && contents == keptContents_;
    const bool still = sameView(view, lastView_) && contents == lastContents_;
    lastView_ = view;
    lastContents_ = std::move(contents);
    const bool copied = keptForView || (still && makeFramebuffer(view.windowSize[0], view.windowSize[1]));
    if (!copied) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        draw();
        return;
    }
    drawUpsideDown(true);
    if (!keptForView) {
        glBindFramebuffer(GL_FRAMEBUFFER, backdrop_.name);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        draw();
        keptView_ = view;
        keptContents_ = lastContents_;
        kept_ = true;
    }
    copyToWindow(backdrop_.name, width_, height_);
    drawUpsideDown(false);
}

void BackdropCache::forget() {
    kept_ = false;
    lastView_ = View{};
}

BackdropCache::View BackdropCache::currentView() {
    View view{};
    glGetFloatv(GL_MODELVIEW_MATRIX, view.modelView);
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection);
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, view.clearColour);
    const platform::Rect client = platform::clientRect();
    view.windowSize[0] = client.right - client.left;
    view.windowSize[1] = client.bottom - client.top;
    return view;
}

bool BackdropCache::sameView(const View& a, const View& b) {
    return std::memcmp(&a, &b, sizeof(View)) == 0;
}

bool BackdropCache::makeFramebuffer(int32_t width, int32_t height) {
    if (unusable_)
        return false;
    if (backdrop_.name != 0 && width == width_ && height == height_)
        return true;
    const GLenum colourFormat = colourFormatOfTheWindow();
    const GLenum depthFormat = depthFormatOfTheWindow();
    bool complete = (GLEW_VERSION_3_0 || GLEW_ARB_framebuffer_object) &&
                    (GLEW_VERSION_4_5 || GLEW_ARB_clip_control) && colourFormat != 0 && depthFormat != 0;
    if (complete) {
        if (backdrop_.name == 0) {
            glGenFramebuffers(1, &backdrop_.name);
            glGenRenderbuffers(1, &backdrop_.colours);
            glGenRenderbuffers(1, &backdrop_.depth);
        }
        glBindRenderbuffer(GL_RENDERBUFFER, backdrop_.colours);
        glRenderbufferStorage(GL_RENDERBUFFER, colourFormat, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, backdrop_.depth);
        glRenderbufferStorage(GL_RENDERBUFFER, depthFormat, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glBindFramebuffer(GL_FRAMEBUFFER, backdrop_.name);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, backdrop_.colours);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, backdrop_.depth);
        complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_FRAMEBUFFER, Window);
    }
    width_ = width;
    height_ = height;
    if (!complete) {
        unusable_ = true;
        Log << "BACKDROP drawn every frame: no framebuffer matches the window's" << std::endl;
    }
    return complete;
}
