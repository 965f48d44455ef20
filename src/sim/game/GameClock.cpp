#include "sim/game/GameClock.h"

void GameClock::advance(int32_t milliseconds) {
    pass = milliseconds;
    total += milliseconds;
}
