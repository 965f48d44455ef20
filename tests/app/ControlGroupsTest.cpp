#include "app/ControlGroups.h"
#include "sim/objects/Fighter.h"
#include "support/SimulationTest.h"

namespace {

using ControlGroupsTest = SimulationTest;

TEST_F(ControlGroupsTest, AGroupKeepsItsMembersUntilTheyFallAndANewSelectionReplacesIt) {
    auto first = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto second = add<Fighter>(TypeMarine, 1, 1.0, 0.0);
    SelectedObjects selection(30);
    selection.add(first);
    selection.add(second);
    ControlGroups groups;
    groups.keep(3, selection);
    EXPECT_EQ(groups.members(3), (ObjectList{first, second}));
    EXPECT_TRUE(groups.members(4).empty());

    first->takeDamage(100);
    EXPECT_EQ(groups.members(3), ObjectList{second}) << "the fallen drop out";
    const IWorldObject* kept = second.get();
    second.reset();
    runFrame(10); // nothing holds the marine now but the world
    EXPECT_EQ(groups.members(3).front().get(), kept);

    SelectedObjects other(30);
    groups.keep(3, other);
    EXPECT_TRUE(groups.members(3).empty());
    groups.keep(0, selection);
    groups.keep(10, selection);
    EXPECT_TRUE(groups.members(0).empty()) << "only 1 to 9 are groups";
    EXPECT_TRUE(groups.members(10).empty());
}

TEST_F(ControlGroupsTest, TheSameNumberTwiceWithin400MillisecondsIsADoubleTap) {
    ControlGroups groups;
    EXPECT_FALSE(groups.doubleTapped(2, 1000));
    EXPECT_TRUE(groups.doubleTapped(2, 1400));
    EXPECT_FALSE(groups.doubleTapped(2, 1500)) << "a third tap starts over";
    EXPECT_FALSE(groups.doubleTapped(5, 1600));
    EXPECT_FALSE(groups.doubleTapped(2, 1700)) << "another number between";
    EXPECT_FALSE(groups.doubleTapped(2, 2101));
}

} // namespace
