#include "client/KeyPress.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

// A held key acting once until released is the camera's Home case.
TEST(KeyPressTest, TheLatchIsSharedSoTheFirstUserTakesTheEdge) {
    fakeplatform::reset();
    std::fill(std::begin(KeyLatch), std::end(KeyLatch), 0);
    fakeplatform::heldKeys = {KeyLeftButton};
    EXPECT_TRUE(keyPressed(KeyLeftButton));
    EXPECT_FALSE(latchPress(KeyLeftButton, true));
}

} // namespace
