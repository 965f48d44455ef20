#pragma once

// Told after a world object's position changes, so that an index over positions can follow it.
class PositionWatcher {
public:
    virtual void positionChanged(double x, double z) = 0;

protected:
    ~PositionWatcher() = default;
};
