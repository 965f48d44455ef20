#include "client/menu/LoadingScreen.h"

#include "client/render/Fonts.h"
#include "client/render/RenderContext.h"
#include "platform/Platform.h"

#include <GL/glew.h>

std::function<void(const std::string& message, int percent)> loadingProgressListener;

void showLoadingProgress(const std::string& message, int percent) {
    if (loadingProgressListener)
        loadingProgressListener(message, percent);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    enterOrthoMode();
    const std::string text = message + " (" + std::to_string(percent) + " %)";
    // The window's own width: the first size message is only handled once the main loop runs.
    const platform::Rect client = platform::clientRect();
    const int width = textWidth(menuFont, text, 48);
    print(menuFont, text, client.right - client.left - width - 40, 10, 48, false);
    leaveOrthoMode();
    platform::swapBuffers();
}
