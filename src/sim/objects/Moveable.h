#pragma once

#include "sim/objects/IAbility.h"

#include <cstdint>

// Walks its object in a straight line toward a destination at the speed the owner's tables give
// for the object's type, and stops short when the next step would reach or pass it. A long frame is
// walked in several shorter steps.
class Moveable : public IAbility {
public:
    void stop() override;
    std::string getAbilityName() const override { return "Moveable"; }

    // Points the ability at its object; the destination is where the object stands.
    void attach(WorldObjectData& record);
    // Starts walking to (x, z); acknowledges when the unit-response switch is on.
    void moveTo(double x, double z);
    // One step of the last frame's length.
    void update();

    // Stops walking, for this part alone whatever `stop` does in the object.
    void stopWalking();

    bool isMoving() const { return moving; }
    double getDestinationX() const { return destinationX; }
    double getDestinationZ() const { return destinationZ; }

private:
    // One step of that many milliseconds; false when it would reach the destination and the walk
    // stopped instead.
    bool walkPiece(int32_t milliseconds, double& stepX, double& stepZ);

    bool moving = false;
    double destinationX = 0.0;
    double destinationZ = 0.0;
};
