#include "support/SkirmishTest.h"

#include "sim/economy/ResourcePile.h"

#include <stdexcept>

void SkirmishTest::SetUp() {
    ParseResult<MapFile> read = readMapFile("data\\maps\\motac.ktqw");
    ASSERT_TRUE(read) << read.error << " (run from the build folder)";
    map = std::move(*read.value);
    SimulationTest::SetUp();
}

Game& SkirmishTest::startOnMap(bool skirmish, std::array<bool, 3> computer, int32_t enemyMarines,
                               std::time_t seed) {
    GameSettings settings;
    settings.mapPath = "data\\maps\\motac.ktqw";
    settings.mapChecksum = map.checksum;
    settings.seed = seed;
    settings.enemyMarines = enemyMarines;
    settings.skirmish = skirmish;
    settings.computer = computer;
    return Game::start(settings, &map.world);
}

std::size_t SkirmishTest::indexOf(WorldObjectType type, int32_t owner, std::size_t nth) {
    std::size_t index = 0, seen = 0;
    for (const auto& object : world().getObjects()) {
        if (object->getType() == type && object->getOwner() == owner && seen++ == nth)
            return index;
        ++index;
    }
    // The caller's dereference of objectAt() would crash the run.
    throw std::runtime_error("no object " + std::to_string(nth) + " of type " + std::to_string(type) +
                             " and owner " + std::to_string(owner));
}

std::shared_ptr<IWorldObject> SkirmishTest::objectAt(std::size_t index) {
    auto at = world().getObjects().begin();
    std::advance(at, static_cast<std::ptrdiff_t>(std::min(index, world().getObjects().size())));
    return at == world().getObjects().end() ? nullptr : *at;
}

std::size_t SkirmishTest::countOf(WorldObjectType type, int32_t owner) {
    std::size_t count = 0;
    for (const auto& object : world().getObjects())
        count += object->getType() == type && object->getOwner() == owner && !object->isDead();
    return count;
}

ResourceSack SkirmishTest::leftInPiles() {
    ResourceSack left;
    for (const auto& object : world().getObjects())
        if (const auto* pile = dynamic_cast<const ResourcePile*>(object.get()))
            for (std::size_t kind = 0; kind < left.amounts.size(); ++kind)
                left.amounts[kind] += pile->getContents().amounts[kind];
    return left;
}
