#pragma once

#include "sim/economy/PlayerResourceSack.h"
#include "sim/manager/GameSignal.h"
#include "sim/objects/IUpdateDead.h"
#include "sim/players/PlayerObjectData.h"
#include "sim/players/PlayerSelector.h"

#include <boost/signals2/connection.hpp>

#include <cstdint>
#include <string>
#include <vector>

class IWorldObject;

// One side of the game: its unit tables and names, its selection, its stock, its population and
// the messages the game sends it.
class Player : public IUpdateDead, public PlayerObjectData, public PlayerSelector {
public:
    enum MessageType {
        UnitCreated = 0,
        UnitDeleted = 1,
        Attacked = 2,
        NotEnoughResources = 3,
        CannotBuild = 4
    };

    Player(int32_t id, std::string name);
    ~Player() override;

    bool isDead() const override { return false; }
    // Drops dead objects from the selection and logs the status line.
    void update() override;

    // Handlers on the object manager's signals.
    void onObjectAdded(IWorldObject* object);
    void onObjectRemoved(IWorldObject* object);
    void onAttacked(IWorldObject* attacker, IWorldObject* target);

    int32_t getId() const { return id; }
    const std::string& getName() const { return name; }
    int32_t getPopulation() const { return population; }
    PlayerResourceSack& getResources() { return resources; }

protected:
    void refuse(const std::string& why) override { messageSignal(why, CannotBuild); }

public:
    GameSignal<void(std::string, MessageType)> messageSignal;

private:
    PlayerResourceSack resources;
    std::string name;
    int32_t id;
    int32_t population = 0;
    std::vector<boost::signals2::scoped_connection> connections;
};
