#pragma once

#include <cstdint>

// Window state written by the window procedure.
extern int32_t ClientWidth;
extern int32_t ClientHeight;
extern int32_t AppActive;

// One press-edge latch per virtual-key code, shared by the frame and every menu widget, so a
// held key acts once and the next action needs a release first.
extern uint8_t KeyLatch[256];

// The press-edge rule: true once per press, when the key is held and its latch is clear (the latch
// is then set). A released key clears its latch. Whoever reads the key's state passes it in.
bool latchPress(int virtualKey, bool held);

// The game view's two mouse buttons, which the player may swap: the one that selects (left unless
// swapped) and the one that orders. Menus and the panel's buttons keep the left button.
extern bool MouseButtonsSwapped;
int selectButton();
int orderButton();

// Mouse-wheel travel as the platform reports it: this much per notch, positive away from the user.
constexpr int WheelNotch = 120;

// Wheel travel the window procedure has received and the frame has not yet taken.
void addWheelTravel(int travel);
// Whole notches since the last call; a part of a notch waits for the rest.
int takeWheelNotches();
