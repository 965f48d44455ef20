#include "support/GlWindow.h"

#include "client/render/RenderContext.h"
#include "platform/Platform.h"

#include <GL/glew.h>

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
