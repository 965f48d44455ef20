// The object manager answers its queries from an index; a plain view over the same list walks
// it. Random worlds, changed between rounds of questions, must get the same answers from both.
#include "sim/game/Game.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/ObjectFactory.h"
#include "sim/objects/OilPile.h"
#include "support/SimulationTest.h"

#include <limits>
#include <random>
#include <vector>

namespace {

class ObjectIndexTest : public SimulationTest {
protected:
    // Positions on a lattice of half cells, so that equal distances are common; some of them
    // off the map on every side.
    double coordinate() { return std::uniform_int_distribution<int>(-60, 700)(random) / 2.0; }
    bool chance(int percent) { return std::uniform_int_distribution<int>(1, 100)(random) <= percent; }
    int32_t owner() { return std::uniform_int_distribution<int32_t>(0, 2)(random); }
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    }

    void addRandomObject(const std::vector<WorldObjectType>& types) {
        const WorldObjectType type = types[pick(types.size())];
        if (type == TypeConstruction) {
            auto site = std::make_shared<Construction>(std::make_unique<Barracks>(
                WorldObjectData{TypeBarracks, owner(), coordinate(), coordinate(), nullptr}));
            if (chance(50))
                site->workStep();
            world().addObject(site);
            return;
        }
        world().addObject(ObjectFactory::createObject(type, owner(), coordinate(), coordinate()));
    }

    // A world of `count` objects of the types, each kind present or not as the types say.
    void populate(int count, const std::vector<WorldObjectType>& types) {
        for (int i = 0; i < count; ++i)
            addRandomObject(types);
    }

    // Objects move, die and arrive between questions; dead ones stay listed until a pass.
    void disturb(const std::vector<WorldObjectType>& types) {
        std::vector<std::shared_ptr<IWorldObject>> objects(world().getObjects().begin(),
                                                           world().getObjects().end());
        for (const auto& object : objects) {
            if (chance(20))
                object->setPosition(coordinate(), coordinate());
            if (chance(5))
                kill(*object);
            if (chance(5))
                object->moveTo(coordinate(), coordinate());
        }
        for (int i = 0; i < 10; ++i)
            if (chance(30))
                addRandomObject(types);
        if (chance(50))
            runFrame(16);
    }

    static void kill(IWorldObject& object) {
        if (auto* pile = dynamic_cast<ResourcePile*>(&object))
            pile->getContents().amounts.fill(0);
        if (auto* fightable = dynamic_cast<Fightable*>(&object))
            fightable->setHp(0);
    }

    // Every query at the position, from the index and from the plain walk.
    void expectSameAnswers(const GridPosition& at) {
        const ObjectSelecter plain(world().getObjects());
        for (int32_t side = 0; side <= 3; ++side)
            EXPECT_EQ(world().selectNearestEnemy(side, at), plain.selectNearestEnemy(side, at))
                << "enemy of " << side << " at " << at.x << ", " << at.z;
        for (ResourceType kind : {Metal, VermilionOil}) {
            for (int32_t side = 0; side <= 3; ++side)
                EXPECT_EQ(world().selectNearestResourceReceiverOfType(kind, side, at),
                          plain.selectNearestResourceReceiverOfType(kind, side, at))
                    << "receiver of " << kind << " for " << side << " at " << at.x << ", " << at.z;
            EXPECT_EQ(world().selectNearestPileOfType(kind, at), plain.selectNearestPileOfType(kind, at))
                << "pile of " << kind << " at " << at.x << ", " << at.z;
        }
        EXPECT_EQ(world().selectNearestConstruction(at), plain.selectNearestConstruction(at));
        for (double radius : {0.0, 0.5, 3.0, 7.5, 40.0, 1000.0, -1.0}) {
            EXPECT_EQ(*world().selectInRadius(at.x, at.z, radius), *plain.selectInRadius(at.x, at.z, radius))
                << "radius " << radius << " at " << at.x << ", " << at.z;
        }
    }

    void askEverywhere(int questions) {
        for (int i = 0; i < questions; ++i)
            expectSameAnswers({coordinate(), coordinate()});
    }

    std::mt19937 random;
};

const std::vector<WorldObjectType> EveryKind{TypeMarine,       TypeScout,     TypeBarracks,
                                             TypeConstruction, TypeMetalPile, TypeOilPile,
                                             TypeOilRafinery,  TypeWorker,    TypeBaseCenter};

TEST_F(ObjectIndexTest, RandomWorldsGetThePlainWalksAnswers) {
    const std::vector<std::vector<WorldObjectType>> mixes{
        EveryKind,
        {TypeMarine, TypeMetalPile},                 // no receivers, no oil, no sites
        {TypeWorker, TypeBaseCenter, TypeMetalPile}, // many of every kind a gatherer asks for
        {TypeOilPile, TypeOilRafinery, TypeScout},   // nothing to fight
    };
    for (unsigned seed = 1; seed <= 24; ++seed) {
        random.seed(seed);
        const auto& types = mixes[seed % mixes.size()];
        populate(static_cast<int>(pick(400)), types);
        for (int round = 0; round < 5 && !HasFailure(); ++round) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
            askEverywhere(25);
            disturb(types);
        }
        Game::end();
    }
}

TEST_F(ObjectIndexTest, AnEmptyWorldAndOneOfEachAnswerAsThePlainWalk) {
    expectSameAnswers({0.0, 0.0});
    populate(1, {TypeBaseCenter});
    populate(1, {TypeOilPile});
    expectSameAnswers({3.0, -4.0});
    expectSameAnswers({1e6, 1e6});
}

TEST_F(ObjectIndexTest, PositionsFarOffOrNotANumberAnswerAsThePlainWalk) {
    random.seed(99);
    populate(200, EveryKind);
    const auto moved = *std::next(world().getObjects().begin(), 17);
    for (double far : {1e7, -1e7, 1e300, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN(), 40.0}) {
        SCOPED_TRACE(far);
        moved->setPosition(far, 12.0);
        askEverywhere(10);
        expectSameAnswers({far, 0.0});
        expectSameAnswers({0.0, far});
    }
}

} // namespace
