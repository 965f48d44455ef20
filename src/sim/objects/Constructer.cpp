#include "sim/objects/Constructer.h"

#include "core/Log.h"
#include "sim/economy/Prices.h"
#include "sim/game/Game.h"
#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"
#include "sim/manager/RingPlaces.h"
#include "sim/objects/Fighter.h"
#include "sim/players/PlayerManager.h"

#include <algorithm>

void Constructer::attach(WorldObjectData& record) {
    object = &record;
}

void Constructer::stop() {
    clearQueue();
}

void Constructer::setRallyPoint(double x, double z) {
    rallyPointX = x;
    rallyPointZ = z;
}

bool Constructer::addToQueue(std::unique_ptr<IWorldObject> unit) {
    if (!unit)
        return false;
    // Room is checked before paying, so a refused order costs nothing.
    queue.removeDead();
    if (queue.full())
        return false;
    PlayerResourceSack& stock = PlayerManager::getInstance()->getPlayer(unit->getOwner()).getResources();
    if (!stock.pay(priceOf(unit->getType())))
        return false;

    const std::shared_ptr<IWorldObject> queued = std::move(unit);
    queue.add(queued);
    Log << static_cast<const void*>(this)
        << " added to construction queue: " << static_cast<const void*>(queued.get()) << std::endl;
    if (queue.size() == 1)
        trainingTimer = {-1, TrainingTime};
    return true;
}

void Constructer::update() {
    while (!queue.empty() && trainingTimer.due(gameClock().now())) {
        const std::shared_ptr<IWorldObject> unit = queue.takeFirst();
        if (!unit)
            continue;
        Log << static_cast<const void*>(this) << " constructed: " << static_cast<const void*>(unit.get())
            << std::endl;
        // In a skirmish the units leaving one after another stand and walk to places round a ring.
        const std::size_t place = Game::skirmish() ? released++ % SpreadPlaces : 0;
        const GridPosition door = ringPlace({object->x, object->z + DoorDistance}, place, SpreadSpacing);
        unit->setPosition(door.x, door.z);
        // Only a Marine walks to the rally point; a trained Worker stays at its building.
        if (auto* marine = dynamic_cast<Fighter*>(unit.get())) {
            const GridPosition rally = ringPlace({rallyPointX, rallyPointZ}, place, SpreadSpacing);
            static_cast<MoveableFightable&>(*marine).moveTo(rally.x, rally.z);
        }
        ObjectManager::getInstance()->addObject(unit);
        if (!queue.empty())
            trainingTimer.interval = TrainingTime;
    }
}

double Constructer::trainingProgress() const {
    if (trainingTimer.last == -1)
        return 1.0;
    const double progress = static_cast<double>(gameClock().now() - trainingTimer.last) /
                            static_cast<double>(trainingTimer.interval);
    return std::clamp(progress, 0.0, 1.0);
}

std::string Constructer::describeTraining() const {
    if (queue.empty())
        return "NOP";
    const auto percent = static_cast<int>(trainingProgress() * 100.0);
    return "Construction of " + queue.getEntries().front()->getName() +
           " in progress: " + std::to_string(percent) + " Queue.size=" + std::to_string(queue.size());
}
