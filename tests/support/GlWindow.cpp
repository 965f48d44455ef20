#include "support/GlWindow.h"

#include "client/render/RenderContext.h"
#include "platform/Platform.h"

#include <GL/glew.h>

std::vector<RecordedBox> recordedMessageBoxes;

bool openGlWindow() {
    static const bool opened = [] {
        platform::setMessageBoxHandler(
            [](const std::string& text, const std::string& caption, platform::MessageBoxIcon) {
                recordedMessageBoxes.push_back({text, caption});
            });
        std::string error;
        if (!platform::createWindow("Orvalen test", error) || !platform::createGlContext(error))
            return false;
        renderContext.windowReady = true;
        setInitialGlState();
        glewExperimental = GL_TRUE;
        glewInit();
        resizeView();
        return true;
    }();
    return opened;
}
