#pragma once

#include "platform/Platform.h"
#include "sim/objects/GridPosition.h"
#include "sim/objects/ModelInstance.h"
#include "sim/objects/WorldObjectType.h"

#include <memory>
#include <optional>

// The building a Worker is about to place, following the cursor over the ground: drawn half seen
// where it would stand, on a green ring where it may stand and a red one where it may not. A left
// press in the game view gives the order to place it there (the game refuses a bad place with a
// message); Escape or the order button puts it away, as does a selection without a Worker.
class BuildingGhost {
public:
    void arm(WorldObjectType type);
    void cancel();
    bool armed() const { return type.has_value(); }

    // Once a frame before the menu key and the orders are read: true when Escape or the order
    // button was pressed and put the ghost away, so that neither opens the menu nor orders.
    bool takeCancel();
    // In the 3-D scene, after the objects.
    void draw();
    // A left press in the game view: the order to build on the cell where the press was made
    // (client coordinates, y down), where the ghost stood then.
    void place(const platform::Point& pressedAt);

private:
    // Where the building would stand for a point of the window: the whole cell under it.
    static std::optional<GridPosition> spot(const platform::Point& at);

    std::optional<WorldObjectType> type;
    std::unique_ptr<ModelInstance> model;
};
