#pragma once

#include <cstdint>
#include <optional>

// A short green ring on the ground where the last move order landed; it shrinks for
// `ShowMilliseconds` of game time and goes.
class MoveMarker {
public:
    static constexpr int32_t ShowMilliseconds = 1500;

    void place(double x, double z, int32_t now);
    // The ring's half width in cells at `now`, from 1.5 down to 0.5; none once it has gone.
    std::optional<double> radius(int32_t now) const;
    // In the 3-D view, on the ground, with the selection circle's picture.
    void draw(int32_t now) const;

private:
    double x = 0.0;
    double z = 0.0;
    std::optional<int32_t> placedAt;
};

extern MoveMarker moveMarker;
