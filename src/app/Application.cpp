#include "app/Application.h"

#include "app/Frame.h"
#include "app/GameHooks.h"
#include "app/LoadingSequence.h"
#include "app/WindowProcedure.h"
#include "client/GamePresentation.h"
#include "client/render/RenderContext.h"
#include "core/Clock.h"
#include "core/FrameClock.h"
#include "core/Input.h"
#include "core/Log.h"
#include "platform/Platform.h"

const std::string ApplicationTitle = std::string("Orvalen") + " v1.0";

namespace {

int fail(const std::string& what) {
    platform::destroyWindow();
    platform::showMessageBox(what, "Error", platform::MessageBoxIcon::Error);
    platform::releaseInstanceLock();
    return 1;
}

// One message at most, then one frame while the window is active; returns on the quit message.
void runMainLoop() {
    for (;;) {
        platform::Message message;
        if (platform::peekMessage(message)) {
            if (message.code == platform::MessageQuit) {
                platform::destroyWindow();
                platform::releaseInstanceLock();
                return;
            }
            windowProcedure(message);
        }
        if (AppActive == 0)
            continue;
        advanceFrameClock(currentTick());
        logLoopLine();
        updateSimulation();
        if (renderContext.SceneFunction)
            renderContext.SceneFunction();
    }
}

} // namespace

int runApplication(const GameOptions& options) {
    platform::endOnTerminationSignals();
    if (!platform::acquireInstanceLock(ApplicationTitle)) {
        platform::showMessageBox("This application already runs!", "Multiple runs",
                                 platform::MessageBoxIcon::Information);
        return 0;
    }
    setTickSource(platform::tickCount);
    installGamePresentation();
    std::string error;
    if (!platform::openDisplay(error))
        return fail("Couldn't open a display: " + error);
    if (!platform::createWindow(ApplicationTitle, error))
        return fail("Couldn't create the game window: " + error);
    if (!createContext(runLoadingSequence, drawFrame, error))
        return fail("Couldn't create the OpenGL context: " + error);

    platform::closeOnTerminationSignals(); // the set-up opens the log, which a quit then completes
    startFrameClock(currentTick());
    setupGame(options.enemyMarines);
    runMainLoop();

    shutdownGame();
    closeLog();
    return 0;
}
