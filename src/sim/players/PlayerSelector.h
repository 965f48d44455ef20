#pragma once

#include "sim/manager/ObjectList.h"
#include "sim/manager/SelectedObjects.h"
#include "sim/objects/WorldObjectType.h"

#include <string>

#include <cstdint>
#include <memory>

// A player's selection and the orders given to it.
class PlayerSelector {
public:
    static constexpr int32_t SelectionCapacity = 30;
    static constexpr int32_t TrainWorker = 5; // the panel's button slots
    static constexpr int32_t TrainMarine = 6;
    static constexpr int32_t BuildBarracks = 7; // in a skirmish, for a selection with a Worker

    explicit PlayerSelector(int32_t playerId);
    virtual ~PlayerSelector() = default;

    // Selects the player's own picked objects (only the first answers); with none of its own, the
    // first picked object alone. `picked` may be null.
    void selectObjects(const ObjectList* picked);
    void selectObject(std::shared_ptr<IWorldObject> object, bool keep);
    // Orders every alive selected object of the player's own; only the first can acknowledge. A
    // selected object of another side is only looked at.
    void orderMove(double x, double z);
    void orderActOn(std::shared_ptr<IWorldObject> target);
    void orderAttackMove(double x, double z);
    void orderHalt();
    // Queues a Worker (5) or a Marine (6) at the player's selected training building.
    void train(int32_t code);
    // The player's selected Workers put a paid site of the building type at (x, z) and build it;
    // refused, with the reason as a message, where it cannot stand or cannot be paid.
    void place(WorldObjectType type, double x, double z);

    SelectedObjects getSelection() const { return selection; }
    // Forgets the dead among the selected.
    void dropDead() { selection.removeDead(); }
    // A side the computer plays gives its orders without its units answering aloud.
    void setSilent(bool quiet) { silent = quiet; }

protected:
    SelectedObjects selection{SelectionCapacity};

protected:
    // Tells the player why an order was refused.
    virtual void refuse(const std::string& /*why*/) {}

private:
    template <typename Order> void orderEach(Order order);
    // In a skirmish each unit of a group goes to its own place on rings around the point.
    template <typename Walk> void orderWalk(double x, double z, Walk walk);

    int32_t playerId;
    bool silent = false;
};
