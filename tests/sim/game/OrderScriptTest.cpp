#include "sim/game/OrderScript.h"

#include <gtest/gtest.h>

namespace {

TEST(OrderScriptTest, ReadsEveryCommandAndGroupsThemByPassInFileOrder) {
    std::string error;
    const auto script = OrderScript::parse("# a comment\n"
                                           "\n"
                                           "3 1 select 0 4 22\n"
                                           "  # indented comment\n"
                                           "1 2 spawn 7 10.5 -3\n"
                                           "3 1 move 80 80.25\n"
                                           "3 1 act 5\n"
                                           "2 0 train 6\n",
                                           error);
    ASSERT_TRUE(script) << error;
    EXPECT_EQ(script->size(), 5u);
    const auto& third = script->commandsFor(3);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_EQ(third[0].kind, Command::Kind::Select);
    EXPECT_EQ(third[0].objects, (std::vector<std::size_t>{0, 4, 22}));
    EXPECT_EQ(third[1].kind, Command::Kind::Move);
    EXPECT_DOUBLE_EQ(third[1].z, 80.25);
    EXPECT_EQ(third[2].objects, std::vector<std::size_t>{5});
    const Command& spawn = script->commandsFor(1).front();
    EXPECT_EQ(spawn.kind, Command::Kind::Spawn);
    EXPECT_EQ(spawn.player, 2);
    EXPECT_EQ(spawn.value, 7);
    EXPECT_DOUBLE_EQ(spawn.x, 10.5);
    EXPECT_DOUBLE_EQ(spawn.z, -3.0);
    EXPECT_EQ(script->commandsFor(2).front().value, 6);
    EXPECT_TRUE(script->commandsFor(4).empty());
}

TEST(OrderScriptTest, AFileIsReadOrRefusedByNameAndNoFileIsNoOrders) {
    const ParseResult<OrderScript> none = OrderScript::load("");
    ASSERT_TRUE(none);
    EXPECT_EQ(none.value->size(), 0u);
    const ParseResult<OrderScript> missing = OrderScript::load("no-such-script.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error, "cannot read the script 'no-such-script.txt'");
}

TEST(OrderScriptTest, AMalformedLineIsNamed) {
    const char* malformed[] = {
        "1 1 fly 3 4",
        "1 1 move 3",
        "1 1 move 3 4 5",
        "1 1 select",
        "1 1 select -1",
        "1 1 act 1 2",
        "1 1 train",
        "1 1 train x",
        "1 1 spawn 7 1",
        "0 1 move 1 1",
        "1 3 move 1 1",
        "1 -1 move 1 1",
        "x 1 move 1 1",
        "1 1 move nan 1",
        "1 1 move 1e999 1",
        "1 1 select 2 b",
        "1",
        "1 1",
        "1.5 1 train 5",
    };
    for (const char* line : malformed) {
        std::string error;
        EXPECT_FALSE(OrderScript::parse(std::string("# first\n") + line + "\n", error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

} // namespace
