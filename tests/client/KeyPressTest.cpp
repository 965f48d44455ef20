#include "client/KeyPress.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

TEST(KeyPressTest, HeldKeyActsOnceUntilReleasedAndTheLatchIsSharedSoTheFirstUserTakesTheEdge) {
    fakeplatform::reset();
    std::fill(std::begin(KeyLatch), std::end(KeyLatch), 0);
    fakeplatform::heldKeys = {'U'};
    EXPECT_TRUE(keyPressed('U'));
    EXPECT_FALSE(keyPressed('U'));
    EXPECT_FALSE(keyPressed('U'));
    fakeplatform::heldKeys.clear();
    EXPECT_FALSE(keyPressed('U'));
    fakeplatform::heldKeys = {'U'};
    EXPECT_TRUE(keyPressed('U'));

    fakeplatform::heldKeys = {KeyLeftButton};
    EXPECT_TRUE(keyPressed(KeyLeftButton));
    EXPECT_FALSE(latchPress(KeyLeftButton, true));
}

} // namespace
