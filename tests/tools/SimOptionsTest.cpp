#include "SimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(SimOptionsTest, EveryOptionIsRead) {
    std::string error;
    const auto options = SimOptions::parse(
        {"--dump", "--seed", "1234", "--frame-ms", "50", "--passes", "7", "--script", "s.txt"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->seed, 1234);
    EXPECT_EQ(options->frameMilliseconds, 50);
    EXPECT_EQ(options->passes, 7);
    EXPECT_EQ(options->scriptPath, "s.txt");
    EXPECT_TRUE(options->dump);
}

TEST(SimOptionsTest, BadArgumentsAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--seed"},
        {"--passes", "-1"},
        {"--frame-ms", "ten"},
        {"--verbose"},
        {"--frame-ms", "100000", "--passes", "100000"}, // past the 32-bit game clock
    };
    for (const auto& arguments : bad) {
        std::string error;
        EXPECT_FALSE(SimOptions::parse(arguments, error));
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
