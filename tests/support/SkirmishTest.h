#pragma once

#include "files/WorldFile.h"
#include "sim/game/Game.h"
#include "support/SimulationTest.h"

#include <functional>

// A simulation test on the first baked map, read from the build folder before the test moves to a
// folder of its own.
class SkirmishTest : public SimulationTest {
protected:
    void SetUp() override;

    // A fresh game on the map: a skirmish unless `skirmish` is false (then the standard game);
    // the computer plays the sides in `computer`.
    Game& startOnMap(bool skirmish, std::array<bool, 3> computer = {}, int32_t enemyMarines = 0,
                     std::time_t seed = 7);

    // The index in the object manager's list of the `nth` object (from 0) of the type and owner,
    // as commands name it. Throws (failing the test) when there is none.
    std::size_t indexOf(WorldObjectType type, int32_t owner, std::size_t nth = 0);
    std::shared_ptr<IWorldObject> objectAt(std::size_t index);
    std::size_t countOf(WorldObjectType type, int32_t owner);
    // The metal and oil left in all the map's piles.
    ResourceSack leftInPiles();

    MapFile map;
};
