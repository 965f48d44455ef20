#pragma once

#include "sim/manager/ObjectList.h"
#include "sim/manager/SelectedObjects.h"

#include <cstdint>
#include <memory>

// A player's selection and the orders given to it.
class PlayerSelector {
public:
    static constexpr int32_t SelectionCapacity = 30;
    static constexpr int32_t TrainWorker = 5; // the panel's button slots
    static constexpr int32_t TrainMarine = 6;

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

    SelectedObjects getSelection() const { return selection; }
    // Forgets the dead among the selected.
    void dropDead() { selection.removeDead(); }

protected:
    SelectedObjects selection{SelectionCapacity};

private:
    template <typename Order> void orderEach(Order order);

    int32_t playerId;
};
