#include "sim/game/CommandText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CommandTextTest, EveryCommandReadsBackFromItsLineExactly) {
    const std::vector<TimedCommand> commands = {
        {3, Command::select(1, {0, 4, 22})},
        {3, Command::select(2, {})},
        {1, Command::move(1, 80.0, 80.25)},
        {9, Command::move(0, 0.1, -1e300)},
        {9, Command::move(1, std::numeric_limits<double>::denorm_min(), 1.0 / 3.0)},
        {4, Command::act(1, 5)},
        {2, Command::train(1, 6)},
        {7, Command::spawn(2, 7, 10.5, -3.0)},
        {8, Command::attackMove(1, 12.5, 3.0)},
        {8, Command::stop(1)},
    };
    for (const TimedCommand& timed : commands) {
        const std::string line = formatCommandLine(timed);
        std::string error;
        const std::optional<TimedCommand> read = parseCommandLine(line, error);
        ASSERT_TRUE(read) << line << ": " << error;
        EXPECT_EQ(*read, timed) << line;
    }
    EXPECT_EQ(formatCommandLine({3, Command::select(2, {})}), "3 2 select none");
    EXPECT_EQ(formatCommandLine({1, Command::move(1, 80.0, 80.25)}), "1 1 move 80 80.25");
    EXPECT_EQ(formatCommandLine({7, Command::spawn(2, 7, 10.5, -3.0)}), "7 2 spawn 7 10.5 -3");
    EXPECT_EQ(formatCommandLine({8, Command::attackMove(1, 12.5, 3.0)}), "8 1 attack-move 12.5 3");
    EXPECT_EQ(formatCommandLine({8, Command::stop(1)}), "8 1 stop");
}

TEST(CommandTextTest, AMalformedLineSaysWhatIsWrong) {
    const std::pair<const char*, const char*> malformed[] = {
        {"1 1 fly 3 4", "unknown command 'fly'"},
        {"1 1 move 3", "move needs two finite coordinates"},
        {"1 1 move inf 3", "move needs two finite coordinates"},
        {"1 1 attack-move 3", "attack-move needs two finite coordinates"},
        {"1 1 stop 3", "stop takes nothing"},
        {"1 1 select", "select needs object indices, or none"},
        {"1 1 select none 3", "select needs object indices, or none"},
        {"1 1 act", "act needs one object index"},
        {"1 1 train 5.5", "train needs a code"},
        {"1 1 spawn x 1 1", "spawn needs a type and two finite coordinates"},
        {"0 1 move 1 1", "the pass must be a whole number of at least 1, not '0'"},
        {"1 3 move 1 1", "the player must be 0 to 2, not '3'"},
        {"1 1", "a command needs a pass, a player and a name"},
    };
    for (const auto& [line, reason] : malformed) {
        std::string error;
        EXPECT_FALSE(parseCommandLine(line, error)) << line;
        EXPECT_EQ(error, reason) << line;
    }
}

} // namespace
