#pragma once

#include "app/KeyOrders.h"
#include "client/MouseButton.h"
#include "platform/Platform.h"

#include <cstdint>

// The mouse's picks and orders in the game view, as the frame hands them on: a finished drag
// selects (a box with own units leaves buildings out, a double click takes every own unit of the
// clicked one's type in view, a click with A armed attack-moves instead); a right press acts on
// the object under it or walks to the cell under it; the minimap moves the view and takes right
// clicks. A press counts where it was made, though the cursor may have moved on before the frame
// reads the button. The session carries the orders out.
class MouseOrders {
public:
    explicit MouseOrders(KeyOrders& keys) : keys(keys) {}

    // While a left press that began on the minimap is held, the view goes to the ground under the
    // cursor.
    void followMinimapDrag();
    // Takes a press of the order button, once: true in the frame that has one, which the calls
    // below then ask about.
    bool takeOrderPress();
    // A right click on the minimap walks the selection to the ground there; true when it was on it.
    bool orderedOnMinimap();
    // Whether the order button's press is a panel button's: the panel's buttons keep the left
    // button, which orders once the player has swapped the buttons.
    bool pressOnPanelButton() const;
    // Where the picking frame reads the ground, in window pixels with y up: where a finished drag
    // ended, or else where the order button went down.
    platform::Point pickPoint(bool selectionDone) const;
    // In the picking frame, after a drag ends or the order button goes down.
    void pick(bool selectionDone);
    // In 2-D mode: a red cross at the cursor while an attack-move waits for its click.
    void drawAttackMoveCursor() const;

private:
    bool isDoubleClick();

    KeyOrders& keys;
    MouseButton minimapButton;  // the select button, for the minimap's drag
    platform::Point orderPress; // window pixels, y up
    uint32_t lastClickTick = 0;
    int32_t lastClickX = -100;
    int32_t lastClickY = -100;
};
