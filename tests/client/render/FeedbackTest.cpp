// What the feedback over the scene shows: the player's messages, the move marker, the health bars.
#include "client/render/HealthBars.h"
#include "client/render/MoveMarker.h"
#include "client/render/ScreenMessages.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/TownCenter.h"
#include "support/SimulationTest.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(ScreenMessagesTest, LinesShowForAFewSecondsTheNewestFourWithoutRepeats) {
    ScreenMessages messages;
    messages.add("Unit Worker created", 1000);
    messages.add("Not enough Metal (have 0, needed 50)", 2000);
    EXPECT_EQ(messages.lines(2000), (Lines{"Unit Worker created", "Not enough Metal (have 0, needed 50)"}));
    EXPECT_EQ(messages.lines(1000 + ScreenMessages::ShowMilliseconds),
              (Lines{"Not enough Metal (have 0, needed 50)"}));
    EXPECT_TRUE(messages.lines(2000 + ScreenMessages::ShowMilliseconds).empty());

    messages.add("You are attacked by Rudmarel", 10000);
    messages.add("You are attacked by Rudmarel", 13000);
    EXPECT_EQ(messages.lines(15000), (Lines{"You are attacked by Rudmarel"})) << "renewed, not stacked";

    for (int i = 0; i < 6; ++i)
        messages.add("Unit Marine created " + std::to_string(i), 20000 + i);
    EXPECT_EQ(messages.lines(20010), (Lines{"Unit Marine created 2", "Unit Marine created 3",
                                            "Unit Marine created 4", "Unit Marine created 5"}));
}

TEST(MoveMarkerTest, TheMarkerShrinksAwayAfterTheOrder) {
    MoveMarker marker;
    EXPECT_FALSE(marker.radius(0)) << "no order yet";
    marker.place(90.0, 86.0, 5000);
    ASSERT_TRUE(marker.radius(5000));
    const double start = *marker.radius(5000);
    ASSERT_TRUE(marker.radius(5000 + MoveMarker::ShowMilliseconds / 2));
    EXPECT_LT(*marker.radius(5000 + MoveMarker::ShowMilliseconds / 2), start);
    EXPECT_FALSE(marker.radius(5000 + MoveMarker::ShowMilliseconds));
    marker.place(10.0, 10.0, 9000);
    EXPECT_TRUE(marker.radius(9000)) << "each order shows again";
}

class HealthBarsTest : public SimulationTest {};

TEST_F(HealthBarsTest, BarsShowOverTheSelectionAndThePlayersDamagedUnitsAndBuildings) {
    auto healthy = add<Fighter>(TypeMarine, 1, 10.0, 10.0);
    auto hurt = add<Fighter>(TypeMarine, 1, 12.0, 10.0);
    auto hurtEnemy = add<Fighter>(TypeMarine, 2, 14.0, 10.0);
    auto base = add<TownCenter>(TypeBaseCenter, 1, 20.0, 20.0);
    auto pile = add<MetalPile>(TypeMetalPile, 0, 30.0, 30.0);
    auto site = std::make_shared<Construction>(
        std::make_unique<Barracks>(WorldObjectData{TypeBarracks, 1, 40.0, 40.0, nullptr}));
    world().addObject(site);
    hurt->takeDamage(30);
    hurtEnemy->takeDamage(30);
    base->takeDamage(600);

    SelectedObjects selection(30);
    auto shown = healthBarsToShow(world().getObjects(), selection, 1);
    ASSERT_EQ(shown.size(), 2u)
        << "the damaged Marine and base centre; the enemy's and the unfinished site not";
    EXPECT_EQ(shown[0].object, hurt.get());
    EXPECT_FLOAT_EQ(shown[0].fraction, 0.5f);
    EXPECT_EQ(shown[1].object, base.get());
    EXPECT_FLOAT_EQ(shown[1].fraction, 0.75f);

    selection.add(healthy);
    selection.add(hurtEnemy);
    selection.add(pile);
    selection.add(site);
    shown = healthBarsToShow(world().getObjects(), selection, 1);
    ASSERT_EQ(shown.size(), 5u) << "the selected Marines and site join; a pile has no hit points";
    EXPECT_EQ(shown[0].object, healthy.get());
    EXPECT_FLOAT_EQ(shown[0].fraction, 1.0f);
    EXPECT_EQ(shown[2].object, hurtEnemy.get());
    EXPECT_EQ(shown[4].object, site.get());
}

} // namespace
