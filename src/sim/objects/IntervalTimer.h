#pragma once

#include <cstdint>

// A repeating action on the game clock. The first action comes one interval after the timer
// starts; because `last` advances by whole intervals, a caller that loops while the timer is
// due catches up on actions missed during a long frame.
struct IntervalTimer {
    int32_t last = -1; // -1: not started
    int32_t interval = 0;

    // True (and the timer advanced) when the next action is due at game time `now`.
    bool due(int32_t now);
    void restart() { last = -1; }
};
