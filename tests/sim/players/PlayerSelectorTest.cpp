#include "sim/objects/Barracks.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using PlayerSelectorTest = SimulationTest;

TEST_F(PlayerSelectorTest, OwnObjectsOutrankAForeignOneWhichIsSelectedOnlyAlone) {
    auto first = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 0.0, 0.0);
    auto second = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    const ObjectList picked{enemy, second, first};
    player(1).selectObjects(&picked);
    const SelectedObjects selection = player(1).getSelection();
    ASSERT_EQ(selection.size(), 2u);
    EXPECT_EQ(selection.getEntries()[0], second);
    EXPECT_EQ(selection.getEntries()[1], first);
    EXPECT_EQ(recording.selectResponses, std::vector<int>{TypeWorker});
    EXPECT_TRUE(recording.panelButtons.empty());

    // A click on a foreign object alone selects it, and answers.
    const ObjectList foreign{enemy};
    player(1).selectObjects(&foreign);
    EXPECT_EQ(player(1).getSelection().size(), 1u);
    EXPECT_EQ(recording.selectResponses, (std::vector<int>{TypeWorker, TypeMarine}));
    player(1).selectObjects(nullptr);
    EXPECT_EQ(player(1).getSelection().size(), 0u);
}

TEST_F(PlayerSelectorTest, ASelectionHoldsAtMostThirtyObjects) {
    ObjectList picked;
    for (int i = 0; i < 40; ++i)
        picked.push_back(add<Fighter>(TypeMarine, 1, i, 0.0));
    player(1).selectObjects(&picked);
    const SelectedObjects selection = player(1).getSelection();
    ASSERT_EQ(selection.size(), 30u);
    EXPECT_EQ(selection.getEntries().back(), *std::next(picked.begin(), 29));
}

TEST_F(PlayerSelectorTest, ASingleTrainingBuildingShowsItsButton) {
    auto townCenter = add<TownCenter>(TypeBaseCenter, 1, 0.0, 0.0);
    auto barracks = add<Barracks>(TypeBarracks, 1, 9.0, 0.0);
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    ObjectList both{townCenter, worker};
    player(1).selectObjects(&both);
    EXPECT_TRUE(recording.panelButtons.empty());
    ObjectList alone{townCenter};
    player(1).selectObjects(&alone);
    ObjectList other{barracks};
    player(1).selectObjects(&other);
    EXPECT_EQ(recording.panelButtons, (std::vector<int>{5, 6}));
}

// One acknowledgement for a group is sound_play_test's; a dead first entry neither acts nor
// answers, and the others stay silent.
TEST_F(PlayerSelectorTest, ADeadFirstOrderedObjectLeavesTheOrderUnacknowledged) {
    auto dead = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    const ObjectList picked{dead, worker};
    player(1).selectObjects(&picked);
    dead->takeDamage(100);
    player(1).orderMove(10.0, 10.0);
    EXPECT_TRUE(recording.moveAcknowledgements.empty());
    EXPECT_DOUBLE_EQ(worker->fighterLegs().getDestinationX(), 10.0);
    EXPECT_FALSE(dead->fighterLegs().isMoving());
}

TEST_F(PlayerSelectorTest, AnOrderOnAnObjectReachesEverySelectedObject) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto enemyMarine = add<Fighter>(TypeMarine, 2, 1.0, 0.0);
    auto target = add<Fighter>(TypeMarine, 2, 9.0, 0.0);
    player(1).selectObject(marine, false);
    player(1).selectObject(enemyMarine, true);
    player(1).orderActOn(target);
    EXPECT_EQ(marine->getTarget(), target);
    EXPECT_EQ(enemyMarine->getTarget(), nullptr) << "an own-side target is refused by the unit";
    auto other = add<Fighter>(TypeMarine, 2, 2.0, 0.0);
    player(1).selectObject(other, true);
    EXPECT_EQ(player(1).getSelection().size(), 2u) << "a foreign object joins only a single selection";
}

// Another side's object can be picked to look at, and never obeys.
TEST_F(PlayerSelectorTest, OrdersReachOnlyThePlayersOwnObjects) {
    auto enemyMarine = add<Fighter>(TypeMarine, 2, 10.0, 10.0);
    auto enemyBarracks = add<Barracks>(TypeBarracks, 2, 20.0, 10.0);
    const ObjectList picked{enemyMarine};
    player(1).selectObjects(&picked);
    ASSERT_EQ(player(1).getSelection().size(), 1u) << "a lone enemy shows in the panel";
    player(1).orderMove(50.0, 50.0);
    player(1).orderAttackMove(50.0, 50.0);
    EXPECT_FALSE(enemyMarine->isMoving());
    EXPECT_TRUE(recording.moveAcknowledgements.empty());

    player(1).selectObject(enemyBarracks, false);
    player(1).train(6);
    EXPECT_EQ(enemyBarracks->getQueue().size(), 0u);
    EXPECT_EQ(player(2).getResources().metal(), 500) << "nothing is charged to the other side";
}

TEST_F(PlayerSelectorTest, AStopOrderEndsWalkingFightingAndWork) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 2.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 30.0, 0.0);
    const ObjectList picked{marine, worker};
    player(1).selectObjects(&picked);
    player(1).orderActOn(enemy);
    runFor(200, 10);
    ASSERT_TRUE(marine->isMoving());
    player(1).orderHalt();
    EXPECT_FALSE(marine->isMoving());
    EXPECT_EQ(marine->getTarget(), nullptr);
    EXPECT_FALSE(worker->fighterLegs().isMoving());
    EXPECT_EQ(static_cast<const Fightable&>(*worker).getTarget(), nullptr);
}

TEST_F(PlayerSelectorTest, TrainingNeedsATrainingBuildingFirstInTheSelection) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto barracks = add<Barracks>(TypeBarracks, 1, 9.0, 0.0);
    player(1).train(6);
    player(1).selectObject(worker, false);
    player(1).train(6);
    EXPECT_EQ(player(1).getResources().metal(), 500);

    player(1).selectObject(barracks, false);
    player(1).train(7);
    EXPECT_EQ(barracks->getQueue().size(), 0u);
    player(1).train(6);
    ASSERT_EQ(barracks->getQueue().size(), 1u);
    EXPECT_EQ(barracks->getQueue().getEntries()[0]->getType(), TypeMarine);
    EXPECT_EQ(player(1).getResources().metal(), 440);
}

} // namespace
