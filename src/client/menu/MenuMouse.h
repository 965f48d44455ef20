#pragma once

#include "platform/Platform.h"

// The mouse as every menu widget reads it, polled while it draws.

// Reads the left button for the menu's frame; called once a frame, before the widgets draw.
void readMenuMouse();

// Where the widgets find the mouse this frame, in client pixels with y growing upward, as the menu
// is drawn: where the press or release read this frame was made, else the cursor. A quick click
// counts on the widget it was made on, though the cursor has moved on.
platform::Point menuMouse();

bool leftButtonHeld();

// The left button's press edge, shared by all widgets: only the widget under the mouse tests (and
// so clears) the latch, which lets one press activate at most one widget.
bool leftPressOn(bool hovered);
