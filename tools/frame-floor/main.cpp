// orvalen-frame-floor SECONDS: the fastest frame this display can show in the game's window — clear,
// one full-screen quad with a mipmapped texture, swap — so a frame rate measured on a busy machine
// can be given as a share of what the same machine allowed in the same minute.
#include "platform/Platform.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int TextureSize = 256;

void makeCheckerTexture() {
    std::vector<uint8_t> texels(TextureSize * TextureSize * 3);
    for (int y = 0; y < TextureSize; ++y)
        for (int x = 0; x < TextureSize; ++x)
            for (int c = 0; c < 3; ++c)
                texels[(y * TextureSize + x) * 3 + c] =
                    static_cast<uint8_t>(((x / 16 + y / 16) % 2) * 120 + 60 * c);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, TextureSize, TextureSize, GL_RGB, GL_UNSIGNED_BYTE,
                      texels.data());
    glEnable(GL_TEXTURE_2D);
}

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(4.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(4.0f, 4.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 4.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    platform::swapBuffers();
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    std::string error;
    if (!platform::createWindow("Orvalen frame floor", error) || !platform::createGlContext(error) ||
        glewInit() != GLEW_OK) {
        std::fprintf(stderr, "orvalen-frame-floor: %s\n", error.empty() ? "no OpenGL" : error.c_str());
        return 1;
    }
    makeCheckerTexture();
    // The window's first messages (size, activation) settle before the count starts.
    for (platform::Message message; platform::peekMessage(message);) {
    }
    drawFrame();
    const uint32_t start = platform::tickCount();
    uint32_t frames = 0;
    uint32_t elapsed = 0;
    while (elapsed < seconds * 1000.0) {
        for (platform::Message message; platform::peekMessage(message);) {
        }
        drawFrame();
        ++frames;
        elapsed = platform::tickCount() - start;
    }
    const platform::Rect client = platform::clientRect();
    std::printf("floor %dx%d: %u frames in %u ms: mean frame %.1f ms, %.1f frames per second\n",
                client.right - client.left, client.bottom - client.top, frames, elapsed,
                static_cast<double>(elapsed) / frames, 1000.0 * frames / elapsed);
    platform::destroyWindow();
    return 0;
}
