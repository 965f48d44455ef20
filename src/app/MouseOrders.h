#pragma once

#include "app/KeyOrders.h"

#include <cstdint>

// The mouse's picks and orders in the game view, as the frame hands them on: a finished drag
// selects (a box with own units leaves buildings out, a double click takes every own unit of the
// clicked one's type in view, a click with A armed attack-moves instead); a right press acts on
// the object under the cursor or walks to the cell under it; the minimap moves the view and
// takes right clicks. The session carries the orders out.
class MouseOrders {
public:
    explicit MouseOrders(KeyOrders& keys) : keys(keys) {}

    // While a left press that began on the minimap is held, the view goes to the ground under the
    // cursor.
    void followMinimapDrag();
    // A right click on the minimap walks the selection to the ground there; true when it was on it.
    bool orderedOnMinimap();
    // Whether the order button's press is a panel button's: the panel's buttons keep the left
    // button, which orders once the player has swapped the buttons.
    bool pressOnPanelButton() const;
    // In the picking frame, after a drag ends or the right button goes down.
    void pick(bool selectionDone);
    // In 2-D mode: a red cross at the cursor while an attack-move waits for its click.
    void drawAttackMoveCursor() const;

private:
    bool isDoubleClick();

    KeyOrders& keys;
    uint32_t lastClickTick = 0;
    int32_t lastClickX = -100;
    int32_t lastClickY = -100;
};
