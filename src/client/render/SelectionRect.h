#pragma once

#include <cstdint>

// The left-button drag, in window pixels with y counted up from the bottom of the client area.
struct SelectionRect {
    bool dragging = false;
    int32_t currentX = 0; // the cursor as read this frame
    int32_t currentY = 0;
    int32_t anchorX = 0; // where the drag began
    int32_t anchorY = 0;
    bool buttonWasDown = false; // the left button in the frame before
};

extern SelectionRect selectionRect;

// The bottom rows of the client area belong to the interface panel: no drag starts there.
constexpr int32_t PanelStripHeight = 192;

// In 2-D mode: reads the cursor, follows the left button and draws the drag in progress. A drag
// starts only where the left button goes down above the panel, so a press over the panel that
// moves up into the scene starts none. It ends where the button is released; over the panel, at
// the panel's top. True in the frame in which a drag ends, which draws no rectangle any more; a
// plain click is a drag of one point.
bool updateSelectionRect();
