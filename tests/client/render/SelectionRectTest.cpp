#include "client/render/SelectionRect.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

// Cursor positions are given with y counted up from the bottom, as the rectangle keeps them.
class SelectionRectTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeplatform::reset();
        ClientWidth = 800;
        ClientHeight = 600;
        selectionRect = SelectionRect{};
    }

    static bool frame(int x, int y, bool leftDown, const WindowArea& keepOut = {}) {
        fakeplatform::cursor = {x, ClientHeight - y};
        fakeplatform::heldKeys = leftDown ? std::set<int>{KeyLeftButton} : std::set<int>{};
        return updateSelectionRect(keepOut);
    }
    // The platform saw the left button's press number `press`, or its release, at (x, y).
    static void pressed(uint32_t press, int x, int y) {
        fakeplatform::pressCounts[KeyLeftButton] = press;
        fakeplatform::pressedAt[KeyLeftButton] = {press, {x, ClientHeight - y}};
    }
    static void released(uint32_t press, int x, int y) {
        fakeplatform::releasedAt[KeyLeftButton] = {press, {x, ClientHeight - y}};
    }
    static std::pair<int, int> anchor() { return {selectionRect.anchorX, selectionRect.anchorY}; }
    static std::pair<int, int> end() { return {selectionRect.currentX, selectionRect.currentY}; }
};

TEST_F(SelectionRectTest, ADragRunsFromThePressInTheWindowToTheReleaseAndEndsOnce) {
    EXPECT_FALSE(frame(-5, 300, true));
    EXPECT_FALSE(frame(800, 300, true));
    EXPECT_FALSE(selectionRect.dragging) << "a press outside the window starts nothing";
    EXPECT_FALSE(frame(100, 400, false));
    EXPECT_FALSE(frame(100, 400, true));
    EXPECT_TRUE(selectionRect.dragging);
    EXPECT_FALSE(frame(300, 250, true));
    EXPECT_TRUE(frame(320, 240, false));
    EXPECT_FALSE(selectionRect.dragging);
    EXPECT_EQ(anchor(), std::pair(100, 400));
    EXPECT_EQ(end(), std::pair(320, 240));
    EXPECT_FALSE(frame(320, 240, false));

    EXPECT_FALSE(frame(50, 500, true));
    EXPECT_TRUE(frame(50, 500, false)) << "a plain click is a drag of one point";
    EXPECT_EQ(anchor(), end());
}

TEST_F(SelectionRectTest, NoDragStartsOverThePanelAndOneReleasedThereEndsAtItsTop) {
    EXPECT_FALSE(frame(100, PanelStripHeight - 1, true));
    EXPECT_FALSE(selectionRect.dragging) << "a press over the panel starts nothing";

    frame(100, 0, false);
    EXPECT_FALSE(frame(100, PanelStripHeight, true)) << "the strip's top row is above the panel";
    EXPECT_TRUE(selectionRect.dragging);
    EXPECT_FALSE(frame(700, 20, true)) << "held over the panel: the drag goes on";
    EXPECT_EQ(selectionRect.currentY, PanelStripHeight);
    EXPECT_TRUE(frame(700, 10, false)) << "released over the panel: the drag ends at once";
    EXPECT_FALSE(selectionRect.dragging);
    EXPECT_EQ(selectionRect.currentX, 700);
    EXPECT_EQ(selectionRect.currentY, PanelStripHeight) << "at the panel's top, where the scene ends";
    EXPECT_FALSE(frame(700, 300, false));
}

TEST_F(SelectionRectTest, APressOverThePanelThatMovesIntoTheSceneStartsNothing) {
    frame(100, 50, true);
    EXPECT_FALSE(frame(300, 400, true));
    EXPECT_FALSE(selectionRect.dragging);
    EXPECT_FALSE(frame(320, 420, false)) << "its release ends nothing";
    EXPECT_FALSE(frame(320, 420, true));
    EXPECT_TRUE(selectionRect.dragging) << "the next press starts a drag";
}

// The frame reads the button after the cursor has moved on: the drag still runs from where the
// button went down to where it came up, and whether it may start is judged there. A press the
// window did not see (its count has no position) is read at the cursor.
TEST_F(SelectionRectTest, ADragMadeOnTheMoveRunsFromThePressToTheRelease) {
    pressed(1, 100, 400);
    EXPECT_FALSE(frame(160, 360, true));
    EXPECT_FALSE(frame(250, 300, true));
    EXPECT_EQ(end(), std::pair(250, 300)) << "held: the drag follows the cursor";
    released(1, 300, 250);
    EXPECT_TRUE(frame(600, 100, false));
    EXPECT_EQ(anchor(), std::pair(100, 400));
    EXPECT_EQ(end(), std::pair(300, 250));

    pressed(2, 500, 450); // a click within one frame, the cursor gone before it is read
    released(2, 500, 450);
    EXPECT_FALSE(frame(700, 500, true));
    EXPECT_TRUE(frame(700, 500, false));
    EXPECT_EQ(anchor(), std::pair(500, 450));
    EXPECT_EQ(end(), std::pair(500, 450));

    fakeplatform::pressCounts[KeyLeftButton] = 3; // made over another window
    EXPECT_FALSE(frame(200, 350, true));
    EXPECT_TRUE(frame(220, 330, false));
    EXPECT_EQ(anchor(), std::pair(200, 350));
    EXPECT_EQ(end(), std::pair(220, 330));

    pressed(4, 100, 50);
    EXPECT_FALSE(frame(300, 400, true));
    EXPECT_FALSE(selectionRect.dragging) << "pressed over the panel, read over the scene";
    frame(300, 400, false);
    pressed(5, 300, 400);
    EXPECT_FALSE(frame(50, 500, true, WindowArea{0, 450, 150, 600}));
    EXPECT_TRUE(selectionRect.dragging) << "pressed in the scene, read over the minimap";
}

} // namespace
