#include "app/Session.h"

#include "app/PlayedGame.h"
#include "client/render/Camera.h"
#include "client/render/CameraMoves.h"
#include "client/render/CameraSteering.h"
#include "client/render/ScreenMessages.h"
#include "client/terrain/WorldLoader.h"
#include "sim/game/Game.h"
#include "sim/game/GameMap.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/TownCenter.h"
#include "sim/players/PlayerManager.h"

#include <optional>

namespace {

std::unique_ptr<Session>& currentSession() {
    static std::unique_ptr<Session> current;
    return current;
}

void showMessage(const std::string& text, Player::MessageType /*kind*/) {
    screenMessages.add(text, gameClock().now());
}

// A skirmish starts with the view over the player's base and the Workers in front of it, wherever
// the map has put them: midway between the base centre and the Workers' middle, so that the base
// and every Worker stand above the panel's strip, where a click picks them.
void lookAtOwnBase() {
    std::optional<GridPosition> base;
    GridPosition workers{0.0, 0.0};
    int workerCount = 0;
    for (const auto& object : ObjectManager::getInstance()->getObjects()) {
        if (object->getOwner() != Session::Player)
            continue;
        const GridPosition at = object->getPosition();
        if (!base && dynamic_cast<const TownCenter*>(object.get())) {
            base = at;
        } else if (object->getType() == TypeWorker) {
            workers = {workers.x + at.x, workers.z + at.z};
            ++workerCount;
        }
    }
    if (!base)
        return;
    GridPosition look = *base;
    if (workerCount > 0)
        look = {(base->x + workers.x / workerCount) / 2.0, (base->z + workers.z / workerCount) / 2.0};
    const WorldPoint ground = groundPoint(look.z, look.x);
    centreCamera(camera, static_cast<float>(ground.x), static_cast<float>(ground.z), gameViewShape(),
                 mapGroundArea());
}

} // namespace

void Session::loadWorld() {
    map = readMap();
    loadTerrain(map ? World(map->world) : World());
}

// Those of the set-up itself (its starting units) only reach the log.
void Session::startGame(const GameSettings& settings) {
    Game::start(settings, map ? &map->world : nullptr);
    map.reset();
    PlayerManager::getInstance()->getPlayer(Player).messageSignal.connect(&showMessage);
    if (settings.skirmish)
        lookAtOwnBase();
    keepHomePose(camera);
}

void Session::end() {
    Game::end();
}

Session& session() {
    std::unique_ptr<Session>& current = currentSession();
    if (!current)
        current = std::make_unique<PlayedGame>(StandardEnemyMarines);
    return *current;
}

void installSession(std::unique_ptr<Session> chosen) {
    currentSession() = std::move(chosen);
}
