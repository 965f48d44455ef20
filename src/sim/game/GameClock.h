#pragma once

#include <cstdint>

// The game's time: the passes' lengths summed. It comes in only through Game::runPass, so a
// game runs the same whatever the frames of the machine that plays it.
class GameClock {
public:
    // The next pass, `milliseconds` long.
    void advance(int32_t milliseconds);

    // The game clock: milliseconds since the game started. Timers, cool-downs and flights read it.
    int32_t now() const { return total; }
    // The last pass's length in milliseconds; walking reads it.
    int32_t passLength() const { return pass; }

private:
    int32_t total = 0;
    int32_t pass = 0;
};

// The clock of the game being played.
GameClock& gameClock();
