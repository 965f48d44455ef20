#pragma once

#include <cstdint>

// Window state written by the window procedure.
extern int32_t ClientWidth;
extern int32_t ClientHeight;
extern int32_t AppActive;

// One press-edge latch per virtual-key code, shared by the frame and every menu widget, so a
// held key acts once and the next action needs a release first. It remembers which press it took.
struct KeyLatchState {
    bool set = false;
    uint32_t press = 0;
};
extern KeyLatchState KeyLatch[256];

// The press-edge rule: true once per press, when the key is held and its latch is clear or was set
// by an earlier press (the latch then takes this one). A released key clears its latch. Whoever
// reads the key passes in its state and the platform's count of its presses: a widget reads the
// button only while the cursor is over it, so a quick click on the next one can come before any
// read has seen the button up.
bool latchPress(int virtualKey, bool held, uint32_t press);

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
