#include "SimOptions.h"

#include <gtest/gtest.h>

namespace {

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
