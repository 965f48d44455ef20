#pragma once

#include "sim/objects/IUpdateDead.h"
#include "sim/players/GameOutcome.h"
#include "sim/players/Player.h"

#include <memory>
#include <string>
#include <vector>

// The three sides: 0 "Gaia" (neutral, owns the piles), 1 "Tolvanek" (the human), 2 "Rudmarel".
class PlayerManager : public IUpdateDead {
public:
    static constexpr int32_t PlayerCount = 3;

    // The current game's manager, created with its three players on the first call.
    static PlayerManager* getInstance();

    ~PlayerManager() override;

    int32_t addPlayer(const std::string& name);
    // Throws std::out_of_range for an id that is not a player's.
    Player& getPlayer(int32_t id);
    int32_t playerCount() const { return static_cast<int32_t>(players.size()); }

    bool isDead() const override { return false; }
    // Every player's update, in id order.
    void update() override;
    // Victory or defeat of the human side, judged after every pass.
    GameOutcome& getOutcome() { return outcome; }

private:
    friend class Game;
    PlayerManager();

    std::vector<std::unique_ptr<Player>> players;
    GameOutcome outcome;
};
