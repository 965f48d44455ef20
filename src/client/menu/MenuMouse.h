#pragma once

#include "platform/Platform.h"

// The mouse as every menu widget reads it, polled while it draws.

// The cursor in client pixels with y growing upward, as the menu is drawn.
platform::Point menuMouse();

// The cursor's x on the screen; a slider drags by it.
int cursorScreenX();

bool leftButtonHeld();

// The left button's press edge, shared by all widgets: only the widget under the mouse tests (and
// so clears) the latch, which lets one press activate at most one widget.
bool leftPressOn(bool hovered);
