#include "client/KeyPress.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

void startClean() {
    fakeplatform::reset();
    std::fill(std::begin(KeyLatch), std::end(KeyLatch), KeyLatchState{});
}

// A held key acting once until released is the camera's Home case.
TEST(KeyPressTest, TheLatchIsSharedSoTheFirstUserTakesTheEdge) {
    startClean();
    fakeplatform::heldKeys = {KeyLeftButton};
    EXPECT_TRUE(keyPressed(KeyLeftButton));
    EXPECT_FALSE(latchPress(KeyLeftButton, true, 0));
}

TEST(KeyPressTest, AHeldKeyActsOnceThenAgainOnlyAfterARelease) {
    startClean();
    fakeplatform::heldKeys = {'H'};
    fakeplatform::pressCounts['H'] = 1;
    EXPECT_TRUE(keyPressed('H'));
    EXPECT_FALSE(keyPressed('H'));
    EXPECT_FALSE(keyPressed('H'));
    fakeplatform::heldKeys.clear();
    EXPECT_FALSE(keyPressed('H'));
    fakeplatform::heldKeys = {'H'};
    fakeplatform::pressCounts['H'] = 2;
    EXPECT_TRUE(keyPressed('H'));
}

// The menu's widgets read the button only under the cursor: after a click on one, the cursor can
// reach the next and click it before any read has seen the button up.
TEST(KeyPressTest, AQuickClickAfterAnUnreadReleaseIsANewPress) {
    startClean();
    fakeplatform::heldKeys = {KeyLeftButton};
    fakeplatform::pressCounts[KeyLeftButton] = 1;
    EXPECT_TRUE(keyPressed(KeyLeftButton));
    fakeplatform::pressCounts[KeyLeftButton] = 2; // released and pressed again, between two reads
    EXPECT_TRUE(keyPressed(KeyLeftButton));
    EXPECT_FALSE(keyPressed(KeyLeftButton)) << "a second reader of the same press";
    EXPECT_FALSE(keyPressed(KeyRightButton)) << "another button's latch";
}

} // namespace
