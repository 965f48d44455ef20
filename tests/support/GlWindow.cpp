#include "support/GlWindow.h"

#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "platform/Platform.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <fstream>

std::vector<RecordedBox> recordedMessageBoxes;

namespace {

bool openWindowWithContext(bool hidden) {
    platform::setMessageBoxHandler(
        [](const std::string& text, const std::string& caption, platform::MessageBoxIcon) {
            recordedMessageBoxes.push_back({text, caption});
        });
    std::string error;
    const bool created = hidden ? platform::createHiddenWindow("Orvalen test", error)
                                : platform::createWindow("Orvalen test", error);
    if (!created || !platform::createGlContext(error))
        return false;
    renderContext.windowReady = true;
    setInitialGlState();
    glewExperimental = GL_TRUE;
    glewInit();
    resizeView();
    fitClientSizeToWindow();
    return true;
}

} // namespace

bool openGlWindow() {
    static const bool opened = openWindowWithContext(false);
    return opened;
}

bool openHiddenGlWindow() {
    static const bool opened = openWindowWithContext(true);
    return opened;
}

void fitClientSizeToWindow() {
    const platform::Rect client = platform::clientRect();
    ClientWidth = client.right - client.left;
    ClientHeight = client.bottom - client.top;
}

WindowPixel windowPixel(double x, double y, double z) {
    GLdouble modelView[16], projection[16], wx, wy, wz;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz);
    return {static_cast<int>(wx), static_cast<int>(wy)};
}

Rgb pixelColour(WindowPixel at) {
    Rgb rgb{};
    glReadPixels(at[0], at[1], 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

std::vector<Rgb> windowPixels() {
    std::vector<Rgb> pixels(static_cast<std::size_t>(ClientWidth) * static_cast<std::size_t>(ClientHeight));
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, ClientWidth, ClientHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

bool writePpm(const std::string& path, const std::vector<Rgb>& pixels) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << ClientWidth << " " << ClientHeight << "\n255\n";
    const auto rowBytes = static_cast<std::streamsize>(ClientWidth) * 3;
    for (int y = ClientHeight - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(pixels.data() + static_cast<std::size_t>(y) * ClientWidth),
                  rowBytes);
    return static_cast<bool>(out);
}
