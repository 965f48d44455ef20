#include "sim/players/PlayerSelector.h"

#include "sim/economy/BuildingPlacement.h"
#include "sim/economy/Prices.h"
#include "sim/game/Game.h"
#include "sim/manager/ObjectManager.h"
#include "sim/manager/RingPlaces.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Builder.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/ObjectFactory.h"
#include "sim/objects/Presentation.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/UnitResponseSwitch.h"
#include "sim/objects/Worker.h"
#include "sim/players/PlayerManager.h"

#include <algorithm>

namespace {

// Cells between units sent together, and from a new building to its rally point.
constexpr double GroupSpacing = 1.5;
constexpr double RallyDistance = 8.0;

void showTrainingButton(int32_t player, const IWorldObject& object) {
    if (dynamic_cast<const TownCenter*>(&object))
        presentation().showPanelButton(player, PlayerSelector::TrainWorker);
    else if (dynamic_cast<const Barracks*>(&object))
        presentation().showPanelButton(player, PlayerSelector::TrainMarine);
}

} // namespace

PlayerSelector::PlayerSelector(int32_t playerId) : playerId(playerId) {}

void PlayerSelector::selectObjects(const ObjectList* picked) {
    selection.clear();
    const ObjectList none;
    const ObjectList& pickedList = picked ? *picked : none;
    const std::unique_ptr<ObjectList> own = ObjectSelecter(pickedList).selectByOwner(playerId);
    if (own->empty()) {
        if (!pickedList.empty())
            selectObject(pickedList.front(), false);
        return;
    }
    if (own->size() == 1)
        showTrainingButton(playerId, *own->front());
    if (Game::skirmish() && std::any_of(own->begin(), own->end(), [](const auto& object) {
            return dynamic_cast<const Worker*>(object.get()) != nullptr;
        }))
        presentation().showPanelButton(playerId, BuildBarracks);
    bool first = true;
    for (const auto& object : *own) {
        selection.add(object);
        if (first && !silent)
            presentation().playSelectResponse(object->getType());
        first = false;
    }
}

void PlayerSelector::selectObject(std::shared_ptr<IWorldObject> object, bool keep) {
    if (!keep)
        selection.clear();
    if (!object)
        return;
    if (object->getOwner() != playerId && selection.size() > 1)
        return;
    if (!silent)
        presentation().playSelectResponse(object->getType());
    selection.add(std::move(object));
}

template <typename Order> void PlayerSelector::orderEach(Order order) {
    if (!silent)
        UnitResponseSwitch::setOn();
    for (std::size_t i = 0; i < selection.size(); ++i) {
        const std::shared_ptr<IWorldObject> object = selection.getEntries()[i];
        if (!object->isDead() && object->getOwner() == playerId)
            order(*object);
        UnitResponseSwitch::setOff();
    }
    UnitResponseSwitch::setOff();
}

template <typename Walk> void PlayerSelector::orderWalk(double x, double z, Walk walk) {
    const bool spread = Game::skirmish();
    std::size_t place = 0;
    orderEach([&](IWorldObject& object) {
        const GridPosition at =
            spread && object.walks() ? ringPlace({x, z}, place++, GroupSpacing) : GridPosition{x, z};
        walk(object, at.x, at.z);
    });
}

void PlayerSelector::orderMove(double x, double z) {
    orderWalk(x, z, [](IWorldObject& object, double atX, double atZ) { object.moveTo(atX, atZ); });
}

void PlayerSelector::orderActOn(std::shared_ptr<IWorldObject> target) {
    orderEach([&target](IWorldObject& object) { object.actOn(target); });
}

void PlayerSelector::orderAttackMove(double x, double z) {
    orderWalk(x, z, [](IWorldObject& object, double atX, double atZ) { object.attackMoveTo(atX, atZ); });
}

void PlayerSelector::orderHalt() {
    orderEach([](IWorldObject& object) { object.halt(); });
}

void PlayerSelector::train(int32_t code) {
    if (selection.empty() || selection.getEntries().front()->getOwner() != playerId)
        return;
    auto* building = dynamic_cast<Constructer*>(selection.getEntries().front().get());
    if (!building)
        return;
    std::unique_ptr<IWorldObject> unit;
    if (code == TrainWorker)
        unit = std::make_unique<Worker>(WorldObjectData{TypeWorker, playerId, 0.0, 0.0, nullptr});
    else if (code == TrainMarine)
        unit = std::make_unique<Fighter>(WorldObjectData{TypeMarine, playerId, 0.0, 0.0, nullptr});
    else
        return;
    building->addToQueue(std::move(unit));
}

void PlayerSelector::place(WorldObjectType type, double x, double z) {
    const auto& entries = selection.getEntries();
    if (std::none_of(entries.begin(), entries.end(), [this](const auto& object) {
            return !object->isDead() && object->getOwner() == playerId &&
                   dynamic_cast<const Builder*>(object.get()) != nullptr;
        }))
        return;
    if (const std::optional<std::string> why = placementRefusal(type, x, z)) {
        refuse(*why);
        return;
    }
    auto building = ObjectFactory::createObject(type, playerId, x, z);
    if (!building)
        return;
    PlayerResourceSack& stock = PlayerManager::getInstance()->getPlayer(playerId).getResources();
    if (!stock.pay(priceOf(type)))
        return;
    if (auto* trainer = dynamic_cast<Constructer*>(building.get()))
        trainer->setRallyPoint(x, z + RallyDistance);
    const std::shared_ptr<IWorldObject> site =
        ObjectManager::getInstance()->addObject(std::make_shared<Construction>(std::move(building)));
    orderEach([&site](IWorldObject& object) {
        if (dynamic_cast<const Builder*>(&object))
            object.actOn(site);
    });
}
