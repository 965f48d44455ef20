#include "client/panel/SelectionInfo.h"

#include "client/panel/Panel.h"
#include "sim/objects/Constructer.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

namespace {

// An object without hit points reads 0/0; a site shows the building it raises; a training
// building shows its queue.
void describeObject(const IWorldObject& object) {
    const auto* fightable = dynamic_cast<const Fightable*>(&object);
    const auto* site = dynamic_cast<const Construction*>(&object);
    drawSelectedObject(site ? site->buildingType() : object.getType(), object.getOwner(), object.getName(),
                       fightable ? fightable->getHp() : 0, fightable ? fightable->getMaxHp() : 0,
                       object.getState());
    if (const auto* building = dynamic_cast<const Constructer*>(&object)) {
        std::vector<WorldObjectType> queued;
        for (const auto& unit : building->getQueue().getEntries())
            queued.push_back(unit->getType());
        drawTrainingQueue(queued, object.getOwner(), building->trainingProgress());
    }
}

} // namespace

void drawSelectionInfo(const SelectedObjects& selection) {
    drawPanel(readPanelMouse());
    const auto& entries = selection.getEntries();
    if (entries.size() == 1) {
        describeObject(*entries.front());
        return;
    }
    for (std::size_t index = 0; index < entries.size(); ++index)
        drawSelectionThumbnail(entries[index]->getType(), entries[index]->getOwner(),
                               static_cast<int>(index));
}
