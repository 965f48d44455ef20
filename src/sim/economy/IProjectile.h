#pragma once

#include "sim/economy/IUpdateDeadRender.h"
#include "sim/objects/ModelInstance.h"

#include <cstdint>
#include <memory>

// Where a projectile is in its flight: map x and z, and the height in world units.
struct FlightPosition {
    double x = 0.0;
    double z = 0.0;
    double height = 0.0;
};

// A shot in flight from the shooter to its destination; the flight is a function of game time.
class IProjectile : public IUpdateDeadRender {
public:
    // Made at the current game time with the picture of its kind.
    IProjectile(double fromX, double fromZ, double toX, double toZ, int32_t flightTime, int kind);

    bool isDead() const override;
    void update() override {}
    // Draws the picture at the current flight position.
    void render() override;
    virtual FlightPosition getFlightPosition() const = 0;

protected:
    // How far the flight has come: 0 at the start, 1 at the end; not clamped.
    double flightParameter() const;
    // The ground heights under the start and the end, in world units.
    double startGround() const;
    double endGround() const;

    double fromX, fromZ;
    double toX, toZ;
    int32_t startTime;
    int32_t endTime;
    std::unique_ptr<ModelInstance> model;
};
