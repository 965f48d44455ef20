#pragma once

#include "client/MouseButton.h"

#include <cstdint>

// The left-button drag, in window pixels with y counted up from the bottom of the client area.
struct SelectionRect {
    bool dragging = false;
    int32_t currentX = 0; // the cursor as read this frame; once a drag has ended, where it ended
    int32_t currentY = 0;
    int32_t anchorX = 0; // where the drag began
    int32_t anchorY = 0;
    MouseButton button; // the select button
};

extern SelectionRect selectionRect;

// The bottom rows of the client area belong to the interface panel: no drag starts there.
constexpr int32_t PanelStripHeight = 192;

// A rectangle of window pixels, origin lower left; right and top are outside it.
struct WindowArea {
    int32_t left = 0, bottom = 0, right = 0, top = 0;

    bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= bottom && y < top; }
};

// In 2-D mode: reads the cursor, follows the left button and draws the drag in progress. A drag
// starts only where the left button goes down above the panel and outside `keepOut` (the minimap's
// square), so a press there that moves into the scene starts none. It ends where the button is
// released; over the panel, at the panel's top. Both ends are where the button went down and came
// up, even when the cursor has moved on before the frame reads it. True in the frame in which a
// drag ends, which draws no rectangle any more; a plain click is a drag of one point.
bool updateSelectionRect(const WindowArea& keepOut = {});
