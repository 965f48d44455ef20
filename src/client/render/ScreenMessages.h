#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// The human player's messages as lines of text over the scene, each for a few seconds of game
// time. A message that repeats the newest line (a unit under fire hears of it at every shot)
// renews that line instead of stacking copies of it.
class ScreenMessages {
public:
    static constexpr int32_t ShowMilliseconds = 4000;
    static constexpr std::size_t MostLines = 4;

    void add(const std::string& text, int32_t now);
    // The lines still shown at `now`, oldest first.
    std::vector<std::string> lines(int32_t now) const;
    // In 2-D mode: the lines above the panel, at its left, newest lowest.
    void draw(int32_t now) const;

private:
    struct Line {
        std::string text;
        int32_t shownAt = 0;
    };
    std::deque<Line> recent;
};

extern ScreenMessages screenMessages;
