#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

// Time comes in from outside: the game reads the system tick count and the calendar time only
// through these two functions, so tests and the headless runner can pass their own.
uint32_t currentTick();    // milliseconds, 32-bit, wraps
std::time_t currentTime(); // calendar time in seconds, the seed of the random generators

// An empty source brings back the real one.
void setTickSource(std::function<uint32_t()> source);
void setCalendarSource(std::function<std::time_t()> source);
