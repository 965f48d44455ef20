#include "app/Skirmish.h"

#include "app/PlayedGame.h"
#include "client/menu/LoadingScreen.h"
#include "client/menu/MenuScreen.h"
#include "client/menu/MessageBoxes.h"
#include "client/render/BackdropCache.h"
#include "client/render/Camera.h"
#include "core/Clock.h"
#include "core/FrameClock.h"
#include "core/Log.h"
#include "files/WorldFile.h"

GameSettings skirmishSettings(const std::string& mapPath, bool computerOpponent, int32_t enemyMarines) {
    GameSettings settings;
    settings.mapPath = mapPath;
    settings.enemyMarines = enemyMarines;
    settings.skirmish = true;
    settings.computer[2] = computerOpponent;
    return settings;
}

bool startSkirmish(const SkirmishChoice& choice) {
    ParseResult<MapFile> map = readMapFile(choice.mapPath);
    if (!map) {
        const std::string message = mapUnavailableMessage(choice.mapPath) + " (" + map.error + ")";
        Log << MapUnavailableCaption << ": " << message << std::endl; // the running game's log keeps it
        showMessageBox(MapBox, message, MessageBoxSlot::Ok, 125);
        return false;
    }
    session().end();
    installSession(std::make_unique<PlayedGame>(
        skirmishSettings(choice.mapPath, choice.computerOpponent, choice.enemyMarines),
        std::move(*map.value)));
    showLoadingProgress("Loading world...", 38);
    session().loadWorld();
    backdropCache.forget(); // a backdrop kept before is not this world's
    camera = Camera{};
    session().start();
    // The loading took frame time that is no game's: the next frame starts from now.
    startFrameClock(currentTick());
    return true;
}
