#include "client/menu/Menu.h"
#include "client/menu/OptionsPage.h"
#include "core/FrameClock.h"
#include "core/Input.h"
#include "support/GlWindow.h"

#include <gtest/gtest.h>

// The player may resize the window, or choose another resolution on the menu's own video page:
// the columns and the page keep to the window's top edge, wherever it now is.
class MenuLayoutGlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        ClientWidth = 1024;
        ClientHeight = 768;
        DeltaSeconds = 10.0f; // every slide ends within one frame
    }
};

TEST_F(MenuLayoutGlTest, TheColumnsHangFromTheWindowsTopAfterItsHeightChanges) {
    Menu main;
    main.create({"New Game", "Multiplayer", "Options"}, true, 768);
    Menu options;
    options.create({"Video", "Audio"}, false, 768);
    main.show();
    options.show();
    for (const int height : {600, 1024}) {
        ClientHeight = height;
        ClientWidth = height * 4 / 3;
        main.draw();
        options.draw();
        SCOPED_TRACE(height);
        EXPECT_EQ(main.buttons()[0].y, static_cast<float>(height - 108));
        EXPECT_EQ(main.buttons()[2].y, static_cast<float>(height - 108 - 216));
        EXPECT_EQ(options.buttons()[1].y, static_cast<float>(height - 216));
        EXPECT_EQ(options.buttons()[0].x, static_cast<float>(ClientWidth - 256)) << "at the right edge";
    }
}

TEST_F(MenuLayoutGlTest, AnOpenPageStaysAtTheWindowsTopWhenItShrinksOrGrows) {
    OptionsPage page;
    page.height = 300;
    page.open();
    page.draw();
    EXPECT_EQ(page.y, 468.0f);
    ClientHeight = 600;
    page.draw();
    EXPECT_EQ(page.y, 300.0f);
    ClientHeight = 1024;
    page.draw();
    EXPECT_EQ(page.y, 724.0f);
}
