#pragma once

#include "sim/manager/SelectedObjects.h"
#include "sim/objects/GridPosition.h"
#include "sim/objects/IAbility.h"
#include "sim/objects/IntervalTimer.h"

#include <limits>
#include <memory>

class IWorldObject;

// A building's training queue: units paid for when queued leave one every two seconds of game
// time at the building's door; a Marine then walks to the rally point.
class Constructer : public IAbility {
public:
    static constexpr int32_t QueueCapacity = 15;
    static constexpr int32_t TrainingTime = 2000;
    // How far in front of the building (towards +z, the door side) a trained unit steps out: clear
    // of the building's model, which would otherwise hide it from sight and from picking.
    static constexpr double DoorDistance = 3.0;

    // Loses the queued units.
    void stop() override;
    std::string getAbilityName() const override { return "Constructer"; }

    void attach(WorldObjectData& record);
    // Queues a unit not yet in the world. Refused, and the unit destroyed, when the queue is full
    // (nothing is charged) or its owner cannot pay.
    bool addToQueue(std::unique_ptr<IWorldObject> unit);
    // Sends out every unit whose training time is up.
    void update();
    // Destroys the units waiting in the queue; nothing is refunded.
    void clearQueue() { queue.clear(); }
    // From 0 to 1 for the unit at the front; 1 while nothing trains.
    double trainingProgress() const;
    // "Construction of <front unit> in progress: <percent> Queue.size=<n>", or "NOP".
    std::string describeTraining() const;

    const SelectedObjects& getQueue() const { return queue; }
    void setRallyPoint(double x, double z);
    // Where the Marines it trains walk to.
    GridPosition rallyPoint() const { return {rallyPointX, rallyPointZ}; }

private:
    double rallyPointX = 47.0;
    double rallyPointZ = 42.0;
    static constexpr std::size_t SpreadPlaces = 19; // the point and its first two rings
    static constexpr double SpreadSpacing = 1.5;

    IntervalTimer trainingTimer{-1, std::numeric_limits<int32_t>::max()};
    std::size_t released = 0;
    SelectedObjects queue{QueueCapacity};
};
