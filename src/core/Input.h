#pragma once

#include <cstdint>

// Window state written by the window procedure.
extern int32_t ClientWidth;
extern int32_t ClientHeight;
extern int32_t AppActive;

// One press-edge latch per virtual-key code, shared by the frame and every menu widget, so a
// held key acts once and the next action needs a release first.
extern uint8_t KeyLatch[256];

// True once per press: when the key is held and its latch is clear (the latch is then set).
// A released key clears its latch.
bool keyPressed(int virtualKey);

// The press-edge rule over an explicit held state, for callers that read the key themselves.
bool latchPress(int virtualKey, bool held);

// Mouse-wheel travel the window procedure has received and the frame has not yet taken, in the
// platform's units (WheelNotch per notch, positive away from the user).
void addWheelTravel(int travel);
// Whole notches since the last call; a part of a notch waits for the rest.
int takeWheelNotches();
