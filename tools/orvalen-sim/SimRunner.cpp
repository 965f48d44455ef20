#include "SimRunner.h"

#include "core/Clock.h"
#include "core/FrameClock.h"
#include "core/Log.h"
#include "sim/economy/GameSetup.h"
#include "sim/manager/MapObjects.h"
#include "sim/manager/ObjectManager.h"
#include "sim/manager/SimulationPass.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/ObjectFactory.h"
#include "sim/players/PlayerManager.h"

#include <cstdio>
#include <vector>

namespace {

// The objects of the world in list order, for lookups by index.
std::vector<std::shared_ptr<IWorldObject>> worldObjects() {
    const ObjectList& list = ObjectManager::getInstance()->getObjects();
    return {list.begin(), list.end()};
}

} // namespace

SimRunner::SimRunner(const SimOptions& options, const SimScript& script, std::optional<WorldFile> map)
    : options(options), script(script), map(std::move(map)) {}

void SimRunner::run(std::ostream& out) {
    startClock();
    // As in the game, the map's objects enter the world before the set-up opens the log.
    if (map)
        loadMapForSimulation(*map);
    runGameSetup();
    for (int32_t pass = 1; pass <= options.passes; ++pass)
        runPass(pass);
    if (options.dump)
        dump(out);
    destroySimulation();
    closeLog();
}

void SimRunner::startClock() {
    if (options.seed) {
        const std::time_t seed = *options.seed;
        setCalendarSource([seed] { return seed; });
    }
    setTickSource([this] { return tick; });
    startFrameClock(currentTick());
}

void SimRunner::runPass(int32_t pass) {
    tick += static_cast<uint32_t>(options.frameMilliseconds);
    advanceFrameClock(currentTick());
    logLoopLine();
    runSimulationPass();
    for (const SimCommand& command : script.commandsFor(pass))
        execute(command);
}

void SimRunner::execute(const SimCommand& command) {
    Player& player = PlayerManager::getInstance()->getPlayer(command.player);
    switch (command.kind) {
    case SimCommand::Kind::Select: {
        const auto objects = worldObjects();
        ObjectList picked;
        for (std::size_t index : command.indices)
            if (index < objects.size())
                picked.push_back(objects[index]);
        player.selectObjects(&picked);
        break;
    }
    case SimCommand::Kind::Move:
        player.orderMove(command.x, command.z);
        break;
    case SimCommand::Kind::Act: {
        const auto objects = worldObjects();
        if (command.indices.front() < objects.size())
            player.orderActOn(objects[command.indices.front()]);
        break;
    }
    case SimCommand::Kind::Train:
        player.train(command.value);
        break;
    case SimCommand::Kind::Spawn:
        ObjectManager::getInstance()->addObject(
            ObjectFactory::createObject(command.value, command.player, command.x, command.z));
        break;
    }
}

void SimRunner::dump(std::ostream& out) const {
    std::size_t index = 0;
    for (const auto& object : ObjectManager::getInstance()->getObjects()) {
        const auto* fightable = dynamic_cast<const Fightable*>(object.get());
        const GridPosition position = object->getPosition();
        char coordinates[64];
        std::snprintf(coordinates, sizeof coordinates, "%.3f %.3f", position.x, position.z);
        out << "object " << index++ << " " << object->getType() << " " << object->getOwner() << " "
            << coordinates << " " << (fightable ? fightable->getHp() : 0) << " "
            << (fightable ? fightable->getMaxHp() : 0) << "\n";
    }
    PlayerManager* players = PlayerManager::getInstance();
    for (int32_t id = 0; id < players->playerCount(); ++id) {
        Player& player = players->getPlayer(id);
        out << "player " << id << " " << player.getResources().metal() << " " << player.getResources().oil()
            << " " << player.getPopulation() << "\n";
    }
}
