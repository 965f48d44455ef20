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
