#include "app/PlayedGame.h"

#include "client/GamePresentation.h"
#include "client/terrain/WorldLoader.h"
#include "core/Clock.h"
#include "core/Log.h"
#include "sim/game/Game.h"
#include "sim/players/PlayerManager.h"
#include "sim/replay/ReplayFolder.h"
#include "sim/replay/ReplayWriter.h"

std::optional<MapFile> PlayedGame::readMap() {
    return loadMap(MapPath);
}

void PlayedGame::start() {
    GameSettings settings;
    if (map) {
        settings.mapPath = MapPath;
        settings.mapChecksum = map->checksum;
    }
    settings.seed = currentTime();
    settings.enemyMarines = enemyMarines;
    startGame(settings);
    gamePresentation().setCommandingPlayer(Player);
    record(settings);
}

// One file per game, started as the game starts; a folder that cannot be made leaves the game
// unrecorded and says so in the log.
void PlayedGame::record(const GameSettings& settings) {
    const ReplayFolder folder;
    const std::string path = folder.newRecording(currentTime());
    if (path.empty()) {
        Log << "Couldn't make the folder " << ReplayFolder::Name << ": this game is not recorded"
            << std::endl;
        return;
    }
    Game::current().record(std::make_unique<ReplayWriter>(path, settings));
    folder.prune();
}

void PlayedGame::advance(int32_t milliseconds) {
    Game::current().runPass(milliseconds);
}

bool PlayedGame::give(const Command& command) {
    Game::current().apply(command);
    return true;
}

SelectedObjects PlayedGame::shownSelection() const {
    return PlayerManager::getInstance()->getPlayer(Player).getSelection();
}
