#pragma once

#include "sim/game/Command.h"
#include "sim/manager/ObjectList.h"
#include "sim/objects/GridPosition.h"

#include <cstdint>
#include <memory>
#include <vector>

class IWorldObject;

// The computer playing one side of a skirmish, through the commands a player gives (docs/opponent.md
// tells its plan). It thinks every half second of game time: Workers trained and sent to metal and
// oil, a Barracks placed near its base and built, Marines trained; its army goes at what comes near
// its base, and attacks in waves that grow as the game goes on. Its few choices of chance draw on
// the game's own random numbers, so a game with the computer replays to the byte.
class ComputerPlayer {
public:
    static constexpr int32_t ThinkMilliseconds = 500;
    static constexpr std::size_t WorkersWanted = 9;
    static constexpr std::size_t OilWorkers = 2;
    static constexpr std::size_t FirstWave = 5;
    static constexpr std::size_t WaveGrowth = 3;
    // The first wave leaves no sooner than this plus a chance part of up to a minute, and each next
    // one no sooner after the last: time for the other side to build up before the first blow.
    static constexpr int32_t FirstWaveMilliseconds = 150000;
    static constexpr int32_t WaveIntervalMilliseconds = 60000;
    static constexpr double BaseRadius = 26.0; // what comes this near a building is an attack on the base

    explicit ComputerPlayer(int32_t side) : side(side) {}

    // Called after every pass; decides when its time has come.
    void think();

    int32_t getSide() const { return side; }

private:
    // What the side has, read afresh at each thought.
    struct Holdings {
        std::shared_ptr<IWorldObject> base;
        ObjectList barracks;
        ObjectList sites;
        ObjectList workers;
        ObjectList idleWorkers;
        ObjectList marines;
        std::size_t workersQueued = 0;
    };

    Holdings survey() const;
    void trainWorkers(const Holdings& holdings);
    void sendWorkersToWork(const Holdings& holdings);
    void placeBarracks(const Holdings& holdings);
    void trainMarines(const Holdings& holdings);
    void defendAndAttack(const Holdings& holdings);

    // The nearest enemy unit within the base radius of one of the side's buildings.
    std::shared_ptr<IWorldObject> intruder(const Holdings& holdings) const;
    // The enemy's building nearest to the base, where a wave goes.
    std::shared_ptr<IWorldObject> enemyTarget(const GridPosition& from) const;
    std::shared_ptr<IWorldObject> nearestPile(bool oil, const GridPosition& from) const;

    void attackWith(const ObjectList& marines, const IWorldObject& target);
    void select(const ObjectList& objects);
    void give(const Command& command);

    int32_t side;
    int32_t nextThought = 0;
    std::size_t waveSize = FirstWave;
    int32_t nextWave = -1;                              // drawn at the first thought
    std::vector<std::weak_ptr<IWorldObject>> attacking; // the Marines of the waves sent
};
