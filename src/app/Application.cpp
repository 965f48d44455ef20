#include "app/Application.h"

#include "app/Frame.h"
#include "app/LiveOptions.h"
#include "app/LoadingSequence.h"
#include "app/PlayedGame.h"
#include "app/ShownReplay.h"
#include "app/Skirmish.h"
#include "app/WindowProcedure.h"
#include "client/GamePresentation.h"
#include "client/render/RenderContext.h"
#include "core/Clock.h"
#include "core/FrameClock.h"
#include "core/Input.h"
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
        session().advance(FrameMilliseconds);
        if (renderContext.SceneFunction)
            renderContext.SceneFunction();
    }
}

// The game the options ask for, installed as the window's session; false with `error` saying why
// when a recorded game cannot be shown or a script cannot be followed.
bool chooseSession(const GameOptions& options, std::string& error) {
    if (options.replayPath.empty()) {
        ParseResult<OrderScript> script = OrderScript::load(options.scriptPath);
        if (!script) {
            error = "The orders can't be followed: " + script.error;
            return false;
        }
        const std::string map = options.mapPath.empty() ? PlayedGame::MapPath : options.mapPath;
        auto game = options.skirmish ? std::make_unique<PlayedGame>(skirmishSettings(
                                           map, options.computerOpponent, options.enemyMarines))
                                     : std::make_unique<PlayedGame>(options.enemyMarines);
        game->follow(std::move(*script.value));
        installSession(std::move(game));
        return true;
    }
    ParseResult<ReplayFile> file = loadReplayFile(options.replayPath);
    if (!file) {
        error = "The recorded game can't be shown: " + file.error;
        return false;
    }
    installSession(std::make_unique<ShownReplay>(std::move(*file.value)));
    return true;
}

} // namespace

int runApplication(const GameOptions& options) {
    std::string error;
    if (!chooseSession(options, error)) {
        platform::showMessageBox(error, options.replayPath.empty() ? "Orders" : "Replay",
                                 platform::MessageBoxIcon::Error);
        return 1;
    }
    platform::endOnTerminationSignals();
    if (!platform::acquireInstanceLock(ApplicationTitle)) {
        platform::showMessageBox("This application already runs!", "Multiple runs",
                                 platform::MessageBoxIcon::Information);
        return 0;
    }
    setTickSource(platform::tickCount);
    installGamePresentation();
    if (!platform::openDisplay(error))
        return fail("Couldn't open a display: " + error);
    liveOptions().load(OptionsStore(OptionsStore::defaultPath()));
    if (!platform::createWindow(ApplicationTitle, error, liveOptions().windowShape()))
        return fail("Couldn't create the game window: " + error);
    if (!createContext(runLoadingSequence, drawFrame, error))
        return fail("Couldn't create the OpenGL context: " + error);

    liveOptions().applyAtStart();
    platform::closeOnTerminationSignals(); // the set-up opens the log, which a quit then completes
    startFrameClock(currentTick());
    session().start();
    liveOptions().reportTrouble();
    runMainLoop();

    session().end();
    return 0;
}
