#pragma once

#include <cstdint>

// The frame clock, written only by the main loop before the updates and the frame.
extern uint32_t LastTick;         // tick count (ms) at the start of the last frame
extern float DeltaSeconds;        // the last frame in seconds; every per-second speed uses it
extern int32_t FrameMilliseconds; // the last frame in whole milliseconds
extern int32_t TotalMilliseconds; // running sum of FrameMilliseconds: the game clock

// Starts the clock at the tick count `now` without advancing the game clock.
void startFrameClock(uint32_t now);

// Advances the clock to the tick count `now`. The difference is taken as an unsigned 32-bit
// quantity so a wrapped tick counter still gives the small elapsed time.
void advanceFrameClock(uint32_t now);
