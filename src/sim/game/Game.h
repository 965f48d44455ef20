#pragma once

#include "core/RandomGenerator.h"
#include "files/World.h"
#include "sim/game/Command.h"
#include "sim/game/GameClock.h"
#include "sim/game/GameSettings.h"

#include <cstdint>
#include <memory>
#include <vector>

class ComputerPlayer;
class ObjectManager;
class PlayerManager;
class ReplayWriter;
struct WorldFile;

// The one game being played: its map, its objects and players, its random numbers and its clock.
// A game is set up by start() and torn down by end(), so a process can play one after another;
// ObjectManager::getInstance() and PlayerManager::getInstance() reach the current one. Its only
// inputs are its settings, the passes' lengths and the commands, so a game recorded as those
// plays again to the byte.
class Game {
public:
    // The game being played. Until one starts: an empty game with no map and nothing placed, in
    // which tests put what they need.
    static Game& current();
    // Ends the current game and sets up a fresh one: the map's grid and its objects (`map` null: an
    // empty map), then the set-up: the seed, the log opened, the starting scenario.
    static Game& start(const GameSettings& settings, const WorldFile* map);
    // Ends the current game: its recording completed, the players destroyed, then the objects and
    // everything in the world, then the log closed.
    static void end();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game();

    // Made on first use, so that their creation is logged where the rules put it.
    ObjectManager& objects();
    PlayerManager& players();
    GameClock& clock() { return time; }
    RandomGenerator& random() { return numbers; }
    const World& map() const { return grid; }
    const GameSettings& settings() const { return chosen; }
    // The rules of a skirmish are in force (GameSettings::skirmish).
    static bool skirmish() { return current().chosen.skirmish; }
    // The passes run so far; commands given now belong to the last of them.
    int32_t passes() const { return passCount; }

    // One pass of `milliseconds` of game time: the loop line in the log, every object's update,
    // every player's, and the outcome judged.
    void runPass(int32_t milliseconds);
    // Carries out a side's order at once, between two passes, as the frame gives it.
    void apply(const Command& command);
    // The same for an order the game itself decides (the computer's), which a replay decides again:
    // it is not recorded.
    void carryOut(const Command& command) { execute(command); }
    // From now on the game is written to `recorder` as it runs: every pass, every command, and a
    // hash of the state every 100 passes and at the end.
    void record(std::unique_ptr<ReplayWriter> recorder);

private:
    Game() = default;

    void execute(const Command& command);
    void recordHash();

    GameSettings chosen;
    World grid;
    GameClock time;
    RandomGenerator numbers;
    int32_t passCount = 0;
    std::unique_ptr<ObjectManager> objectManager;
    std::unique_ptr<PlayerManager> playerManager;
    std::unique_ptr<ReplayWriter> recorder;
    std::vector<std::unique_ptr<ComputerPlayer>> computers;
};
