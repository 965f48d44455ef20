#include "core/FrameClock.h"

uint32_t LastTick = 0;
float DeltaSeconds = 0.0f;
int32_t FrameMilliseconds = 0;
int32_t TotalMilliseconds = 0;

void startFrameClock(uint32_t now) {
    LastTick = now;
    DeltaSeconds = 0.0f;
}

void advanceFrameClock(uint32_t now) {
    const uint32_t elapsed = now - LastTick;
    DeltaSeconds = static_cast<float>(elapsed) * 0.001f;
    LastTick = now;
    // Whole milliseconds come from the integer difference: going through the float would turn
    // some exact frame lengths (10 ms) into one less and slow the game clock.
    FrameMilliseconds = static_cast<int32_t>(elapsed);
    TotalMilliseconds += FrameMilliseconds;
}
