#include "sim/economy/ResourceSack.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceSackTest, PayingTakesTheCostOnlyWhenBothKindsSuffice) {
    ResourceSack sack(UnlimitedCapacity, 60, 20);
    EXPECT_TRUE(sack.pay({UnlimitedCapacity, 60, 20}));
    EXPECT_EQ(describe(sack), "(0,0)");
    EXPECT_TRUE(sack.pay({UnlimitedCapacity, 0, 0}));
    ResourceSack poor(UnlimitedCapacity, 20, 999);
    EXPECT_FALSE(poor.pay({UnlimitedCapacity, 50, 0}));
    EXPECT_EQ(describe(poor), "(20,999)");
}

TEST(ResourceSackTest, MovesRespectTheReceivingCapacityAndLeaveBothSacksOnRefusal) {
    ResourceSack pile(47, 47, 0);
    ResourceSack load(10, 10, 0);
    EXPECT_FALSE(moveResources({UnlimitedCapacity, 1, 0}, pile, load));
    EXPECT_EQ(pile.metal(), 47);
    EXPECT_EQ(load.metal(), 10);
    EXPECT_FALSE(moveResources({UnlimitedCapacity, 48, 0}, pile, load));

    ResourceSack empty(10, 0, 0);
    EXPECT_TRUE(moveResources({UnlimitedCapacity, 4, 0}, pile, empty));
    EXPECT_EQ(describe(pile), "(43,0)");
    EXPECT_EQ(describe(empty), "(4,0)");
}

TEST(ResourceSackTest, TheRoomTestIsUnsigned) {
    // A negative capacity reads as a huge one.
    ResourceSack from(UnlimitedCapacity, 5, 0);
    ResourceSack to(-1, 0, 0);
    EXPECT_FALSE(moveResources({UnlimitedCapacity, 5, 0}, from, to))
        << "the trim to the real capacity loses it";
    EXPECT_EQ(describe(from), "(0,0)");
}

TEST(ResourceSackTest, ANewCapacityTrimsMetalFirst) {
    ResourceSack sack(UnlimitedCapacity, 8, 5);
    EXPECT_FALSE(setCapacity(sack, 10));
    EXPECT_EQ(describe(sack), "(5,5)");
    ResourceSack oily(UnlimitedCapacity, 2, 12);
    EXPECT_FALSE(setCapacity(oily, 10));
    EXPECT_EQ(describe(oily), "(0,10)");
    EXPECT_TRUE(setCapacity(oily, 10));
}

} // namespace
