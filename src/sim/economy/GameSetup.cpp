#include "sim/economy/GameSetup.h"

#include "core/Clock.h"
#include "core/Log.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/OilRafinery.h"
#include "sim/objects/Worker.h"
#include "sim/players/PlayerManager.h"

#include <cstdlib>

namespace {

constexpr int EnemyMarines = 15;

// A whole number of cells from 0 to 199.
double randomCell() {
    return static_cast<double>(std::rand() % 200);
}

template <typename T> std::unique_ptr<T> make(WorldObjectType type, int32_t owner, double x, double z) {
    return std::make_unique<T>(WorldObjectData{type, owner, x, z, nullptr});
}

void placeStartingScenario(ObjectManager& world) {
    auto marine = make<Fighter>(TypeMarine, 1, 40.0, 40.0);
    world.addObject(std::make_unique<Construction>(make<Barracks>(TypeBarracks, 1, 55.0, 60.0)));
    // The first order makes the unit-response switch, which seeds the generator again.
    marine->moveTo(80.0, 80.0);
    world.addObject(std::move(marine));

    for (int i = 0; i < EnemyMarines; ++i) {
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

} // namespace

void onPlayerMessage(const std::string& text, Player::MessageType /*kind*/) {
    Log << "RSS MESSAGE " << text << std::endl;
}

void runGameSetup() {
    std::srand(static_cast<unsigned>(currentTime()));
    openLog();

    ObjectManager* world = ObjectManager::getInstance();
    PlayerManager* players = PlayerManager::getInstance();
    for (int id : {1, 2})
        players->getPlayer(id).messageSignal.connect(&onPlayerMessage);

    players->getPlayer(1).getResources().pay(ResourceSack(1000, 600, 105));
    placeStartingScenario(*world);
}
