#include "client/panel/SelectionInfo.h"

#include "client/panel/Panel.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

namespace {

// An object without hit points reads 0/0.
void describeObject(const IWorldObject& object) {
    const auto* fightable = dynamic_cast<const Fightable*>(&object);
    drawSelectedObject(object.getType(), object.getName(), fightable ? fightable->getHp() : 0,
                       fightable ? fightable->getMaxHp() : 0, object.getState());
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
        drawSelectionThumbnail(entries[index]->getType(), static_cast<int>(index));
}
