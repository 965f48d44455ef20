#include "sim/economy/GameSetup.h"

#include "core/Log.h"
#include "sim/game/Game.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/OilRafinery.h"
#include "sim/objects/Worker.h"
#include "sim/players/PlayerManager.h"

namespace {

// A whole number of cells from 0 to 199, from the game's own numbers: nothing outside the
// simulation draws from them, so a seed fixes the game.
double randomCell() {
    return static_cast<double>(Game::current().random().next() % 200);
}

template <typename T> std::unique_ptr<T> make(WorldObjectType type, int32_t owner, double x, double z) {
    return std::make_unique<T>(WorldObjectData{type, owner, x, z, nullptr});
}

void placeStartingScenario(ObjectManager& world, int32_t enemyMarines) {
    auto marine = make<Fighter>(TypeMarine, 1, 40.0, 40.0);
    world.addObject(std::make_unique<Construction>(make<Barracks>(TypeBarracks, 1, 55.0, 60.0)));
    marine->moveTo(80.0, 80.0);
    world.addObject(std::move(marine));

    for (int32_t i = 0; i < enemyMarines; ++i) {
        const double x = randomCell();
        const double z = randomCell();
        auto enemy = make<Fighter>(TypeMarine, 2, x, z);
        const double goalX = randomCell();
        const double goalZ = randomCell();
        enemy->moveTo(goalX, goalZ);
        world.addObject(std::move(enemy));
    }

    auto metal = make<MetalPile>(TypeMetalPile, 0, 40.0, 60.0);
    auto oil = make<OilPile>(TypeOilPile, 0, 60.0, 40.0);
    auto refinery = make<OilRafinery>(TypeOilRafinery, 1, 60.0, 40.0);
    world.addObject(std::move(metal));
    world.addObject(std::move(oil));
    world.addObject(std::move(refinery));
    world.addObject(make<Worker>(TypeWorker, 1, 30.0, 50.0));
    world.addObject(make<MetalPile>(TypeMetalPile, 0, 20.0, 60.0));
    world.addObject(make<Worker>(TypeWorker, 1, 0.0, 0.0));
}

void logMessage(const std::string& text, Player::MessageType /*kind*/) {
    Log << "RSS MESSAGE " << text << std::endl;
}

} // namespace

void beginSetup(std::time_t seed) {
    Game::current().random().seed(static_cast<uint32_t>(seed));
    openLog();
    for (int32_t side : {1, 2})
        PlayerManager::getInstance()->getPlayer(side).messageSignal.connect(&logMessage);
}

void runGameSetup(std::time_t seed, int32_t enemyMarines) {
    beginSetup(seed);
    ObjectManager* world = ObjectManager::getInstance();
    PlayerManager* players = PlayerManager::getInstance();
    players->getPlayer(1).getResources().pay(ResourceSack(1000, 600, 105));
    placeStartingScenario(*world, enemyMarines);
}
