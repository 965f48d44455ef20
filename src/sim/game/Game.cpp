#include "sim/game/Game.h"

#include "core/Log.h"
#include "files/WorldFile.h"
#include "sim/ai/ComputerPlayer.h"
#include "sim/economy/GameSetup.h"
#include "sim/economy/SkirmishSetup.h"
#include "sim/game/StateHash.h"
#include "sim/manager/MapObjects.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/ObjectFactory.h"
#include "sim/players/PlayerManager.h"
#include "sim/replay/ReplayWriter.h"

namespace {

// How many passes apart a recording holds the state's hash.
constexpr int32_t HashInterval = 100;

std::unique_ptr<Game>& currentGame() {
    static std::unique_ptr<Game> game;
    return game;
}

} // namespace

Game& Game::current() {
    std::unique_ptr<Game>& game = currentGame();
    if (!game)
        game.reset(new Game());
    return *game;
}

Game& Game::start(const GameSettings& settings, const WorldFile* map) {
    end();
    Game& game = current();
    game.chosen = settings;
    if (map) {
        game.grid = World(*map);
        placeMapObjects(*map, addMapObject);
    }
    if (settings.skirmish)
        runSkirmishSetup(settings.seed, settings.enemyMarines);
    else
        runGameSetup(settings.seed, settings.enemyMarines);
    for (int32_t side : {1, 2})
        if (settings.playedByComputer(side)) {
            game.computers.push_back(std::make_unique<ComputerPlayer>(side));
            game.players().getPlayer(side).setSilent(true);
        }
    return game;
}

void Game::end() {
    std::unique_ptr<Game>& game = currentGame();
    if (game) {
        if (game->recorder)
            game->recorder->finish(game->passCount, hashGameState());
        // Whatever a manager's teardown asks of the game finds no manager, as when the game ends.
        game->playerManager.reset();
        game->objectManager.reset();
        game.reset();
    }
    closeLog();
}

Game::~Game() = default;

ObjectManager& Game::objects() {
    if (!objectManager)
        objectManager.reset(new ObjectManager());
    return *objectManager;
}

PlayerManager& Game::players() {
    if (!playerManager)
        playerManager.reset(new PlayerManager());
    return *playerManager;
}

void Game::runPass(int32_t milliseconds) {
    if (recorder) {
        recordHash();
        recorder->passComplete();
    }
    ++passCount;
    time.advance(milliseconds);
    if (recorder)
        recorder->pass(milliseconds);
    Log << "LOOP (" << time.now() << ") " << milliseconds << std::endl;
    ObjectManager& world = objects();
    world.update();
    PlayerManager& sides = players();
    sides.update();
    sides.getOutcome().judge(world.getObjects());
    for (const auto& computer : computers)
        computer->think();
}

void Game::apply(const Command& command) {
    if (recorder)
        recorder->command(passCount, command);
    execute(command);
}

void Game::record(std::unique_ptr<ReplayWriter> writer) {
    recorder = std::move(writer);
}

// The hash of the last pass, once its commands are in.
void Game::recordHash() {
    if (passCount > 0 && passCount % HashInterval == 0)
        recorder->hash(passCount, hashGameState());
}

void Game::execute(const Command& command) {
    PlayerManager& sides = players();
    if (command.player < 0 || command.player >= sides.playerCount())
        return;
    Player& player = sides.getPlayer(command.player);
    ObjectManager& world = objects();
    switch (command.kind) {
    case Command::Kind::Select: {
        const ObjectList picked = world.objectsAt(command.objects);
        player.selectObjects(&picked);
        break;
    }
    case Command::Kind::Move:
        player.orderMove(command.x, command.z);
        break;
    case Command::Kind::Act: {
        const ObjectList target = world.objectsAt(command.objects);
        if (!target.empty())
            player.orderActOn(target.front());
        break;
    }
    case Command::Kind::Train:
        player.train(command.value);
        break;
    case Command::Kind::Spawn:
        world.addObject(ObjectFactory::createObject(command.value, command.player, command.x, command.z));
        break;
    case Command::Kind::AttackMove:
        player.orderAttackMove(command.x, command.z);
        break;
    case Command::Kind::Stop:
        player.orderHalt();
        break;
    case Command::Kind::Place:
        player.place(command.value, command.x, command.z);
        break;
    }
}

GameClock& gameClock() {
    return Game::current().clock();
}
