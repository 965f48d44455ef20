#include "app/PlayedGame.h"

#include "client/GamePresentation.h"
#include "client/terrain/WorldLoader.h"
#include "core/Clock.h"
#include "core/Log.h"
#include "sim/game/Game.h"
#include "sim/players/PlayerManager.h"
#include "sim/replay/ReplayFolder.h"
#include "sim/replay/ReplayWriter.h"

#include <utility>

namespace {

GameSettings standardGame(int32_t enemyMarines) {
    GameSettings settings;
    settings.mapPath = PlayedGame::MapPath;
    settings.enemyMarines = enemyMarines;
    return settings;
}

} // namespace

PlayedGame::PlayedGame(int32_t enemyMarines) : PlayedGame(standardGame(enemyMarines)) {}

PlayedGame::PlayedGame(GameSettings chosen, std::optional<MapFile> map)
    : chosen(std::move(chosen)), preread(std::move(map)) {}

std::optional<MapFile> PlayedGame::readMap() {
    if (preread)
        return std::exchange(preread, std::nullopt);
    return loadMap(chosen.mapPath);
}

// A game whose map did not load is played on an empty map, and recorded as one.
void PlayedGame::start() {
    GameSettings settings = chosen;
    settings.mapChecksum.reset();
    if (map)
        settings.mapChecksum = map->checksum;
    else
        settings.mapPath.clear();
    settings.seed = currentTime();
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

void PlayedGame::follow(OrderScript orders) {
    script = std::move(orders);
}

void PlayedGame::advance(int32_t milliseconds) {
    Game& game = Game::current();
    game.runPass(milliseconds);
    for (const Command& command : script.commandsFor(game.passes()))
        game.apply(command);
}

bool PlayedGame::give(const Command& command) {
    Game::current().apply(command);
    return true;
}

SelectedObjects PlayedGame::shownSelection() const {
    return PlayerManager::getInstance()->getPlayer(Player).getSelection();
}
