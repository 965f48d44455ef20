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

// The bottom rows of the client area belong to the interface panel: no drag starts or ends there.
constexpr int32_t PanelStripHeight = 192;

// In 2-D mode: draws the drag in progress (as of last frame), reads the cursor and follows the
// left button. A drag starts only where the left button goes down, so a press over the panel that
// moves up into the scene starts none. True in the frame in which a drag ends; a plain click is a
// drag of one point.
bool updateSelectionRect();
