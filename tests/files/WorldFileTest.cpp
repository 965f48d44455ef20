#include "files/WorldFile.h"

#include <gtest/gtest.h>

namespace {

TEST(WorldFileTest, MissingFileIsAnError) {
    const auto result = readWorldFile("data\\maps\\no_such_map.ktqw");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "cannot open data/maps/no_such_map.ktqw");
}

} // namespace
