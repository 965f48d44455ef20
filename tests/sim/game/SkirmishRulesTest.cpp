#include "sim/economy/BuildingPlacement.h"
#include "sim/economy/Prices.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/Fighter.h"
#include "sim/players/GameOutcome.h"
#include "support/SkirmishTest.h"

#include <cmath>

namespace {

constexpr int32_t Pass = 16;

double distance(const GridPosition& a, const GridPosition& b) {
    return std::hypot(a.x - b.x, a.z - b.z);
}

class SkirmishRulesTest : public SkirmishTest {
protected:
    GridPosition baseOf(int32_t side) { return objectAt(indexOf(TypeBaseCenter, side))->getPosition(); }

    // The pile of the type nearest to side 1's base centre.
    std::size_t pileNearBase(WorldObjectType type) {
        const GridPosition base = baseOf(1);
        std::size_t best = 0, index = 0;
        double nearest = 1e9;
        for (const auto& object : world().getObjects()) {
            if (object->getType() == type && distance(object->getPosition(), base) < nearest) {
                nearest = distance(object->getPosition(), base);
                best = index;
            }
            ++index;
        }
        return best;
    }

    // Free ground for a Barracks on a ring around the side's base centre.
    GridPosition freeGroundNearBase(int32_t side) {
        const GridPosition base = baseOf(side);
        for (int step = 0; step < 24; ++step) {
            const double angle = step * 3.14159265 / 12.0;
            const GridPosition at{base.x + 12.0 * std::cos(angle), base.z + 12.0 * std::sin(angle)};
            if (!placementRefusal(TypeBarracks, at.x, at.z))
                return at;
        }
        ADD_FAILURE() << "no free ground around the base";
        return base;
    }

    void destroy(std::size_t index) {
        dynamic_cast<Fightable&>(*objectAt(index)).takeDamage(100000);
        runFrame(Pass);
    }
};

TEST_F(SkirmishRulesTest, EachSideStartsAtItsBaseWithFourWorkersAndTheRulesHoldOnlyThere) {
    startOnMap(true);
    EXPECT_TRUE(Game::skirmish());
    for (const int32_t side : {1, 2}) {
        EXPECT_EQ(countOf(TypeWorker, side), 4u) << "side " << side;
        EXPECT_EQ(countOf(TypeMarine, side), 0u) << "side " << side;
        EXPECT_LT(distance(objectAt(indexOf(TypeWorker, side))->getPosition(), baseOf(side)), 10.0);
    }
    startOnMap(false, {}, 3);
    EXPECT_FALSE(Game::skirmish());
    EXPECT_EQ(countOf(TypeMarine, 2), 3u) << "the standard game's set-up";
}

TEST_F(SkirmishRulesTest, WorkersGatherOilInASkirmishAndOnlyMetalInTheStandardGame) {
    for (const bool skirmish : {true, false}) {
        SCOPED_TRACE(skirmish ? "skirmish" : "standard");
        startOnMap(skirmish);
        const int32_t oilBefore = player(1).getResources().oil();
        const int32_t inPilesBefore = leftInPiles().oil();
        const std::size_t oil = pileNearBase(TypeOilPile);
        Game::current().apply(Command::select(1, {indexOf(TypeWorker, 1)}));
        Game::current().apply(Command::act(1, oil));
        runFor(90000, Pass);
        if (skirmish) {
            EXPECT_GT(player(1).getResources().oil(), oilBefore) << "delivered to the base centre";
            EXPECT_LT(leftInPiles().oil(), inPilesBefore);
        } else {
            EXPECT_EQ(player(1).getResources().oil(), oilBefore);
            EXPECT_EQ(leftInPiles().oil(), inPilesBefore);
        }
    }
}

TEST_F(SkirmishRulesTest, ABarracksIsPaidForAndBuiltOnFreeGroundAndRefusedWithAReasonElsewhere) {
    Game& game = startOnMap(true);
    MessageRecorder messages(player(1));
    game.apply(Command::select(1, {indexOf(TypeWorker, 1), indexOf(TypeWorker, 1, 1)}));
    const int32_t metal = player(1).getResources().metal();

    const GridPosition base = baseOf(1);
    game.apply(Command::place(1, TypeBarracks, base.x + 1.0, base.z));
    game.apply(Command::place(1, TypeBarracks, 1.0, 1.0));
    game.apply(Command::place(1, TypeWorker, base.x + 20.0, base.z)); // not a building
    EXPECT_EQ(countOf(TypeConstruction, 1), 0u);
    EXPECT_EQ(player(1).getResources().metal(), metal) << "nothing paid for a refusal";
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[0].first, "Can't build there: it overlaps BaseCenter");
    EXPECT_EQ(messages.messages[1].first.rfind("Can't build there: ", 0), 0u) << messages.messages[1].first;
    EXPECT_EQ(messages.messages[2].first, "That cannot be built");

    const GridPosition site = freeGroundNearBase(1);
    game.apply(Command::place(1, TypeBarracks, site.x, site.z));
    ASSERT_EQ(countOf(TypeConstruction, 1), 1u);
    EXPECT_LT(distance(objectAt(indexOf(TypeConstruction, 1))->getPosition(), site), 0.01);
    EXPECT_EQ(player(1).getResources().metal(), metal - priceOf(TypeBarracks).metal());
    game.apply(Command::place(1, TypeBarracks, site.x + 2.0, site.z));
    EXPECT_EQ(countOf(TypeConstruction, 1), 1u) << "the site itself is in the way of another";

    runFor(180000, Pass);
    EXPECT_EQ(countOf(TypeBarracks, 1), 1u) << "the Workers went and built it";
    EXPECT_EQ(countOf(TypeConstruction, 1), 0u);
}

TEST_F(SkirmishRulesTest, IdleMarinesEngageAnEnemyThatComesNearOnlyInASkirmish) {
    for (const bool skirmish : {true, false}) {
        SCOPED_TRACE(skirmish ? "skirmish" : "standard");
        startOnMap(skirmish, {}, 0);
        // Far from both bases, whose centres engage too.
        auto ours = add<Fighter>(TypeMarine, 1, 125.0, 45.0);
        auto theirs = add<Fighter>(TypeMarine, 2, 129.0, 45.0);
        runFor(3000, Pass);
        if (skirmish) {
            EXPECT_LT(ours->getHp(), ours->getMaxHp());
            EXPECT_LT(theirs->getHp(), theirs->getMaxHp());
        } else {
            EXPECT_EQ(ours->getHp(), ours->getMaxHp());
            EXPECT_EQ(theirs->getHp(), theirs->getMaxHp());
        }
    }
}

TEST_F(SkirmishRulesTest, UnitsSentTogetherStandApartAroundThePoint) {
    Game& game = startOnMap(true);
    std::vector<std::size_t> workers;
    for (std::size_t i = 0; i < 4; ++i)
        workers.push_back(indexOf(TypeWorker, 1, i));
    game.apply(Command::select(1, workers));
    const GridPosition base = baseOf(1);
    const GridPosition point{base.x + 12.0, base.z + 12.0};
    game.apply(Command::move(1, point.x, point.z));
    runFor(30000, Pass);
    for (std::size_t i = 0; i < workers.size(); ++i) {
        const GridPosition at = objectAt(workers[i])->getPosition();
        EXPECT_LT(distance(at, point), 3.0) << "Worker " << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_GT(distance(at, objectAt(workers[j])->getPosition()), 1.0)
                << "Workers " << j << " and " << i;
    }
}

// Units left do not keep a side in the game; a site or a Barracks does.
TEST_F(SkirmishRulesTest, ASideWithNoBuildingOrSiteLeftHasLost) {
    Game& game = startOnMap(true);
    game.apply(Command::select(2, {indexOf(TypeWorker, 2)}));
    const GridPosition site = freeGroundNearBase(2);
    game.apply(Command::place(2, TypeBarracks, site.x, site.z));
    destroy(indexOf(TypeBaseCenter, 2));
    EXPECT_EQ(countOf(TypeBaseCenter, 2), 0u);
    EXPECT_EQ(countOf(TypeConstruction, 2), 1u);
    EXPECT_EQ(game.players().getOutcome().result(), GameOutcome::Playing);
    runFor(180000, Pass);
    ASSERT_EQ(countOf(TypeBarracks, 2), 1u);
    EXPECT_EQ(game.players().getOutcome().result(), GameOutcome::Playing);
    destroy(indexOf(TypeBarracks, 2));
    EXPECT_EQ(game.players().getOutcome().result(), GameOutcome::Victory);
    EXPECT_EQ(logCount("Game over: Victory\n"), 1);
    EXPECT_EQ(countOf(TypeWorker, 2), 4u);
}

} // namespace
