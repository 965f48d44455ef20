#include "sim/players/PlayerSelector.h"

#include "sim/manager/ObjectManager.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/Presentation.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/UnitResponseSwitch.h"
#include "sim/objects/Worker.h"

namespace {

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
    bool first = true;
    for (const auto& object : *own) {
        selection.add(object);
        if (first)
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
    presentation().playSelectResponse(object->getType());
    selection.add(std::move(object));
}

template <typename Order> void PlayerSelector::orderEach(Order order) {
    UnitResponseSwitch::setOn();
    for (std::size_t i = 0; i < selection.size(); ++i) {
        const std::shared_ptr<IWorldObject> object = selection.getEntries()[i];
        if (!object->isDead() && object->getOwner() == playerId)
            order(*object);
        UnitResponseSwitch::setOff();
    }
    UnitResponseSwitch::setOff();
}

void PlayerSelector::orderMove(double x, double z) {
    orderEach([x, z](IWorldObject& object) { object.moveTo(x, z); });
}

void PlayerSelector::orderActOn(std::shared_ptr<IWorldObject> target) {
    orderEach([&target](IWorldObject& object) { object.actOn(target); });
}

void PlayerSelector::orderAttackMove(double x, double z) {
    orderEach([x, z](IWorldObject& object) { object.attackMoveTo(x, z); });
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
