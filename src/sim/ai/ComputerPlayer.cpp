#include "sim/ai/ComputerPlayer.h"

#include "sim/economy/BuildingPlacement.h"
#include "sim/economy/Prices.h"
#include "sim/economy/ResourcePile.h"
#include "sim/game/Game.h"
#include "sim/manager/ObjectManager.h"
#include "sim/manager/RingPlaces.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "sim/players/PlayerManager.h"
#include "sim/players/PlayerSelector.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double BarracksDistance = 12.0; // cells from the base centre
constexpr int32_t MarinesQueued = 2;

bool alive(const std::shared_ptr<IWorldObject>& object) {
    return object && !object->isDead();
}

bool isBuilding(const IWorldObject& object) {
    return dynamic_cast<const Constructer*>(&object) || dynamic_cast<const Construction*>(&object);
}

PlayerResourceSack& stockOf(int32_t side) {
    return PlayerManager::getInstance()->getPlayer(side).getResources();
}

bool canPay(int32_t side, WorldObjectType type, int32_t keepMetal = 0) {
    const ResourceSack price = priceOf(type);
    const PlayerResourceSack& stock = stockOf(side);
    return stock.metal() >= price.metal() + keepMetal && stock.oil() >= price.oil();
}

} // namespace

void ComputerPlayer::think() {
    const int32_t now = gameClock().now();
    if (now < nextThought)
        return;
    nextThought = now + ThinkMilliseconds;
    if (nextWave < 0)
        nextWave = FirstWaveMilliseconds + static_cast<int32_t>(Game::current().random().next() % 60000);
    const Holdings holdings = survey();
    if (!holdings.base && holdings.barracks.empty() && holdings.sites.empty())
        return; // the side has lost
    trainWorkers(holdings);
    sendWorkersToWork(holdings);
    placeBarracks(holdings);
    trainMarines(holdings);
    defendAndAttack(holdings);
}

ComputerPlayer::Holdings ComputerPlayer::survey() const {
    Holdings holdings;
    for (const auto& object : ObjectManager::getInstance()->getObjects()) {
        if (object->getOwner() != side || object->isDead())
            continue;
        if (dynamic_cast<const TownCenter*>(object.get())) {
            if (!holdings.base)
                holdings.base = object;
            holdings.workersQueued += dynamic_cast<const TownCenter&>(*object).getQueue().size();
        } else if (dynamic_cast<const Barracks*>(object.get())) {
            holdings.barracks.push_back(object);
        } else if (dynamic_cast<const Construction*>(object.get())) {
            holdings.sites.push_back(object);
        } else if (const auto* worker = dynamic_cast<const Worker*>(object.get())) {
            holdings.workers.push_back(object);
            if (worker->isIdle())
                holdings.idleWorkers.push_back(object);
        } else if (dynamic_cast<const Fighter*>(object.get())) {
            holdings.marines.push_back(object);
        }
    }
    return holdings;
}

void ComputerPlayer::trainWorkers(const Holdings& holdings) {
    if (!holdings.base || holdings.workers.size() + holdings.workersQueued >= WorkersWanted ||
        holdings.workersQueued >= 2 || !canPay(side, TypeWorker))
        return;
    select({holdings.base});
    give(Command::train(side, PlayerSelector::TrainWorker));
}

// Two Workers on the oil near the base, the rest on metal; a site without builders gets them first.
void ComputerPlayer::sendWorkersToWork(const Holdings& holdings) {
    if (holdings.idleWorkers.empty() || !holdings.base)
        return;
    const GridPosition home = holdings.base->getPosition();
    const ObjectManager& world = *ObjectManager::getInstance();
    std::size_t onOil = 0;
    for (const auto& object : holdings.workers) {
        const auto& worker = dynamic_cast<const ResourceCarier&>(*object);
        onOil += worker.getResourceType() == VermilionOil && worker.getTarget() != nullptr;
    }
    for (const auto& worker : holdings.idleWorkers) {
        std::shared_ptr<IWorldObject> work;
        if (!holdings.sites.empty())
            work = holdings.sites.front();
        else if (onOil < OilWorkers && (work = nearestPile(true, home)))
            ++onOil;
        else
            work = nearestPile(false, home);
        if (!work)
            return;
        const std::vector<std::size_t> place = world.placesOf({work});
        if (place.empty())
            continue;
        select({worker});
        give(Command::act(side, place.front()));
    }
}

// A spot on a ring round the base, facing the map's middle first; chance picks among the free ones.
void ComputerPlayer::placeBarracks(const Holdings& holdings) {
    if (!holdings.base || !holdings.sites.empty() || holdings.barracks.size() >= 2 ||
        holdings.workers.size() < 2)
        return;
    const bool first = holdings.barracks.empty();
    if (!canPay(side, TypeBarracks, first ? 0 : 250))
        return;
    const GridPosition home = holdings.base->getPosition();
    std::vector<GridPosition> free;
    for (int step = 0; step < 12; ++step) {
        const double angle = step * 3.14159265358979 / 6.0;
        const double x = std::round(home.x + BarracksDistance * std::sin(angle));
        const double z = std::round(home.z + BarracksDistance * std::cos(angle));
        if (!placementRefusal(TypeBarracks, x, z))
            free.push_back({x, z});
    }
    if (free.empty())
        return;
    const GridPosition spot = free[static_cast<std::size_t>(Game::current().random().next()) % free.size()];
    ObjectList builders(holdings.workers.begin(), std::next(holdings.workers.begin(), 2));
    select(builders);
    give(Command::place(side, TypeBarracks, spot.x, spot.z));
}

void ComputerPlayer::trainMarines(const Holdings& holdings) {
    const bool workersFirst = holdings.workers.size() < WorkersWanted;
    for (const auto& barracks : holdings.barracks) {
        if (static_cast<int32_t>(dynamic_cast<const Barracks&>(*barracks).getQueue().size()) >=
                MarinesQueued ||
            !canPay(side, TypeMarine, workersFirst ? priceOf(TypeWorker).metal() : 0))
            continue;
        select({barracks});
        give(Command::train(side, PlayerSelector::TrainMarine));
    }
}

// Every Marine not on its way to the enemy meets an intruder; once enough stand ready, they go as a
// wave, and the next wave must be larger. A wave that has destroyed its target goes on to the next.
void ComputerPlayer::defendAndAttack(const Holdings& holdings) {
    std::erase_if(attacking, [](const std::weak_ptr<IWorldObject>& marine) { return !alive(marine.lock()); });
    ObjectList home, waiting;
    for (const auto& marine : holdings.marines) {
        const bool sent =
            std::any_of(attacking.begin(), attacking.end(),
                        [&](const std::weak_ptr<IWorldObject>& wave) { return wave.lock() == marine; });
        if (!sent)
            home.push_back(marine);
        else if (dynamic_cast<const Fighter&>(*marine).isIdle())
            waiting.push_back(marine);
    }
    const GridPosition from = holdings.base ? holdings.base->getPosition()
                                            : (home.empty() ? GridPosition{} : home.front()->getPosition());
    const std::shared_ptr<IWorldObject> target = enemyTarget(from);
    if (!waiting.empty() && target)
        attackWith(waiting, *target);
    if (home.empty())
        return;
    if (const std::shared_ptr<IWorldObject> enemy = intruder(holdings)) {
        attackWith(home, *enemy);
        return;
    }
    // A side that cannot grow its army to the wave's size still attacks once it has waited long.
    const int32_t now = gameClock().now();
    const bool ready = home.size() >= waveSize ||
                       (home.size() >= FirstWave && now >= nextWave + 2 * WaveIntervalMilliseconds);
    if (!target || !ready || now < nextWave)
        return;
    ObjectList wave(home.begin(), std::next(home.begin(), static_cast<std::ptrdiff_t>(
                                                              std::min<std::size_t>(home.size(), 30))));
    for (const auto& marine : wave)
        attacking.push_back(marine);
    attackWith(wave, *target);
    waveSize += WaveGrowth + static_cast<std::size_t>(Game::current().random().next() % 3);
    nextWave = now + WaveIntervalMilliseconds;
}

void ComputerPlayer::attackWith(const ObjectList& marines, const IWorldObject& target) {
    const GridPosition at = target.getPosition();
    select(marines);
    give(Command::attackMove(side, at.x, at.z));
}

std::shared_ptr<IWorldObject> ComputerPlayer::intruder(const Holdings& holdings) const {
    ObjectList buildings = holdings.barracks;
    if (holdings.base)
        buildings.push_back(holdings.base);
    std::shared_ptr<IWorldObject> nearest;
    double nearestDistance = BaseRadius;
    for (const auto& object : ObjectManager::getInstance()->getObjects()) {
        if (object->getOwner() == side || object->getOwner() == 0 || object->isDead() ||
            isBuilding(*object) || !dynamic_cast<const Fightable*>(object.get()))
            continue;
        for (const auto& building : buildings) {
            const double distance = distance2D(object->getPosition(), building->getPosition());
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = object;
            }
        }
    }
    return nearest;
}

std::shared_ptr<IWorldObject> ComputerPlayer::enemyTarget(const GridPosition& from) const {
    std::shared_ptr<IWorldObject> nearest;
    for (const auto& object : ObjectManager::getInstance()->getObjects())
        if (object->getOwner() != side && object->getOwner() != 0 && !object->isDead() &&
            isBuilding(*object) &&
            (!nearest || distance2D(object->getPosition(), from) < distance2D(nearest->getPosition(), from)))
            nearest = object;
    return nearest;
}

// The nearest pile of the kind: its own near the base while they last, then wherever one is left.
std::shared_ptr<IWorldObject> ComputerPlayer::nearestPile(bool oil, const GridPosition& from) const {
    const std::shared_ptr<IWorldObject> pile =
        ObjectManager::getInstance()->selectNearestPileOfType(oil ? VermilionOil : Metal, from);
    return alive(pile) ? pile : nullptr;
}

void ComputerPlayer::select(const ObjectList& objects) {
    give(Command::select(side, ObjectManager::getInstance()->placesOf(objects)));
}

void ComputerPlayer::give(const Command& command) {
    Game::current().carryOut(command);
}
