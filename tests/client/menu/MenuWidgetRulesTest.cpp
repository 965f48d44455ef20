#include "client/menu/DropDownList.h"
#include "client/menu/Menu.h"
#include "client/menu/OptionsPage.h"
#include "client/menu/Slider.h"
#include "core/Input.h"

#include <gtest/gtest.h>

namespace {

TEST(SliderRulesTest, ValueIsTheIntegerShareOfTheRange) {
    EXPECT_EQ(sliderValue(0, 100, 55), 50);
    EXPECT_EQ(sliderValue(0, 100, 110), 100);
    EXPECT_EQ(sliderValue(0, 100, 109), 99);
    EXPECT_EQ(sliderValue(0, 100, 0), 0);
    EXPECT_EQ(sliderValue(20, 30, 110), 30);
}

TEST(SliderRulesTest, ReleasedKnobSettlesAtTheLowestPositionOfItsValue) {
    for (const auto& [min, max] : {std::pair(0, 100), std::pair(0, 10), std::pair(0, 7), std::pair(20, 30)})
        for (int position = 0; position <= Slider::Travel; ++position) {
            const int settled = settledSliderPosition(min, max, position);
            EXPECT_EQ(sliderValue(min, max, settled), sliderValue(min, max, position))
                << max << " " << position;
            EXPECT_TRUE(settled == 0 || sliderValue(min, max, settled - 1) != sliderValue(min, max, settled))
                << max << " " << position;
        }
}

TEST(SliderRulesTest, DragNeverTakesTheKnobOffItsTrack) {
    EXPECT_EQ(sliderDragOffset(110, 300, 500), -110);
    EXPECT_EQ(sliderDragOffset(30, 420, 400), 20);
    EXPECT_EQ(sliderDragOffset(30, 900, 400), 80);
    EXPECT_EQ(sliderDragOffset(0, 100, 400), 0);
}

TEST(DropDownRowsTest, RowsOfThirtyTwoPixelsHangBelowTheFieldInsideTheOpenList) {
    const int left = 100, fieldY = 500, width = 250, count = 3;
    const struct {
        int x, y, row;
        bool inside; // the open list spans the field and its rows
    } cases[] = {{200, 532, -1, false}, {200, 531, -1, true}, {200, 500, -1, true}, {200, 499, 0, true},
                 {200, 468, 0, true},   {200, 467, 1, true},  {200, 404, 2, true},  {200, 403, -1, false},
                 {100, 480, 0, true},   {350, 450, 1, true},  {99, 510, -1, false}, {351, 480, -1, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(dropDownRowAt(left, fieldY, width, count, {c.x, c.y}), c.row) << c.x << ", " << c.y;
        EXPECT_EQ(insideOpenDropDown(left, fieldY, width, count, {c.x, c.y}), c.inside) << c.x << ", " << c.y;
    }
}

TEST(MenuSlideTest, ButtonsEnterOneAfterAnotherAndSwishAsTheyComeIntoView) {
    ClientWidth = 1000;
    Menu main;
    main.create({"New Game", "Multiplayer", "Options"}, true, 800);
    main.show();
    ASSERT_EQ(main.buttons().size(), 3u);
    EXPECT_EQ(main.buttons()[0].x, -256.0f);
    EXPECT_EQ(main.buttons()[1].x, -356.0f);
    EXPECT_EQ(main.buttons()[2].x, -456.0f);
    EXPECT_EQ(main.buttons()[2].y, 800.0f - 108.0f - 216.0f);

    int swishes = 0;
    float x = -356.0f;
    while (x < 0.0f) {
        const MenuButtonSlide slide = slideMenuButton(x, true, 1000.0f, 60.0f);
        swishes += slide.enteredView;
        x = slide.x;
    }
    EXPECT_EQ(swishes, 1);
    EXPECT_EQ(x, 0.0f) << "clamped at the left edge";
    EXPECT_FALSE(slideMenuButton(-256.0f, true, 1000.0f, 0.0f).enteredView);
    EXPECT_TRUE(slideMenuButton(-256.0f, true, 1000.0f, 1.0f).enteredView);

    Menu options;
    options.create({"Video", "Audio"}, false, 800);
    options.show();
    EXPECT_EQ(options.buttons()[0].x, 1000.0f);
    EXPECT_EQ(options.buttons()[1].x, 1100.0f);
    EXPECT_EQ(slideMenuButton(1100.0f, false, 1000.0f, 60.0f).x, 1040.0f);
    EXPECT_FALSE(slideMenuButton(1100.0f, false, 1000.0f, 60.0f).enteredView);
    EXPECT_TRUE(slideMenuButton(1040.0f, false, 1000.0f, 60.0f).enteredView);
    EXPECT_EQ(slideMenuButton(760.0f, false, 1000.0f, 60.0f).x, 744.0f) << "clamped at W - 256";
    EXPECT_EQ(slideMenuButton(744.0f, false, 1000.0f, 60.0f).x, 744.0f);
    EXPECT_EQ(slideMenuButton(744.0f, false, 1280.0f, 60.0f).x, 1024.0f)
        << "the window grew: at its new edge";
    EXPECT_FALSE(slideMenuButton(744.0f, false, 1280.0f, 60.0f).enteredView);
}

TEST(OptionsPageTest, TheFrameIsTheWindowLessItsMarginsOrAsWideAsItsWidgetsNeed) {
    EXPECT_EQ(pageHalfWidth(1280, 530), 370) << "a wide window: its rule alone";
    EXPECT_EQ(pageHalfWidth(801, 200), 130);
    EXPECT_EQ(pageHalfWidth(800, 530), 265) << "the widgets would reach past the frame";
    EXPECT_EQ(pageHalfWidth(800, 531), 266) << "rounded up, never cutting a widget";
    EXPECT_EQ(pageHalfWidth(500, 530), 250) << "no wider than the window";
    EXPECT_EQ(pageHalfWidth(540, 0), 64) << "never folding over itself";
    EXPECT_EQ(pageHalfWidth(100, 530), 64);
    EXPECT_EQ(pageHalfWidth(0, 0), 64);
}

} // namespace
