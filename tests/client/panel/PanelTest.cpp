#include "client/panel/Panel.h"
#include "client/panel/SelectionInfo.h"

#include "client/render/Fonts.h"
#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "platform/Platform.h"
#include "sim/objects/ObjectFactory.h"
#include "sim/players/PlayerManager.h"
#include "support/GlWindow.h"
#include "support/QuadRecorder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int WorkerButton = 5;

// The quads drawn in the 2-D projection the frame gives the panel.
std::vector<RecordedQuad> recordIn2D(const std::function<void()>& draw) {
    return recordQuads([&] {
        enterOrthoMode();
        draw();
        leaveOrthoMode();
    });
}

PanelMouse mouseAt(int x, int y, bool leftDown = false, bool leftWasDown = false) {
    return {x, y, leftDown, leftWasDown};
}

// The panel as the game loads it (from the baked data folder), in a window 800 pixels wide.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        if (!interfaceFont.ready)
            loadPanel();
        ASSERT_TRUE(interfaceFont.ready) << "the baked interface font is missing";
        ClientWidth = 800;
        ClientHeight = platform::clientRect().bottom;
        hidePanelButtons();
        player().selectObject(nullptr, false);
    }

    static Player& player() { return PlayerManager::getInstance()->getPlayer(1); }

    // The quads a selection read-out adds to the panel's own.
    static std::vector<RecordedQuad> readOutOf(Player& player) {
        const auto panel = recordIn2D([] { drawPanel(mouseAt(-1, -1)); });
        auto all = recordIn2D([&] { drawSelectionInfo(player.getSelection()); });
        all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(panel.size()));
        return all;
    }

    // What print draws for these texts, each at its own baseline.
    static std::vector<RecordedQuad>
    printed(const std::vector<std::tuple<std::string, int, int, int>>& lines) {
        return recordIn2D([&] {
            for (const auto& [text, x, y, size] : lines)
                print(interfaceFont, text, x, y, size, false);
        });
    }
};

TEST_F(PanelTest, ThumbnailsFillTheColumnsTheWidthLeavesThenStartASecondRow) {
    const struct {
        int width, slot;
        RecordedQuad quad;
    } cases[] = {
        {800, 0, {266, 68, 298, 100}}, {800, 6, {476, 68, 508, 100}},
        {800, 7, {266, 33, 298, 65}},  {592, 1, {301, 68, 333, 100}}, // room for a second column
        {556, 1, {266, 33, 298, 65}},  {300, 1, {266, 33, 298, 65}},  // one column, however narrow
    };
    for (const auto& c : cases) {
        ClientWidth = c.width;
        EXPECT_EQ(recordIn2D([&] { drawSelectionThumbnail(TypeWorker, 1, c.slot); }), std::vector{c.quad})
            << "width " << c.width << ", slot " << c.slot;
    }
}

TEST_F(PanelTest, ButtonClicksOnlyWhenPressAndReleaseAreBothOverIt) {
    showPanelButton(WorkerButton);
    const PanelButton& button = panelButtons[WorkerButton];
    const auto frames = [](std::initializer_list<PanelMouse> mice) {
        for (const PanelMouse& mouse : mice)
            recordIn2D([&] { drawPanel(mouse); });
    };

    frames({mouseAt(20, 100, true), mouseAt(20, 100, true, true)});
    EXPECT_TRUE(button.pressed);
    EXPECT_EQ(recordIn2D([] { drawPanel(mouseAt(20, 100, true, true)); }).at(3),
              (RecordedQuad{12, 88, 60, 136}))
        << "a pressed button sits 2 pixels right and down";
    frames({mouseAt(20, 100, false, true)});
    EXPECT_FALSE(button.pressed);
    EXPECT_TRUE(takePanelClick(WorkerButton));
    EXPECT_FALSE(takePanelClick(WorkerButton));

    frames({mouseAt(20, 100, true), mouseAt(400, 500, true, true), mouseAt(400, 500, false, true)});
    EXPECT_FALSE(button.pressed);
    EXPECT_FALSE(takePanelClick(WorkerButton)) << "released elsewhere";

    frames({mouseAt(400, 500, true), mouseAt(20, 100, true, true), mouseAt(20, 100, false, true)});
    EXPECT_FALSE(takePanelClick(WorkerButton)) << "pressed elsewhere";

    frames({mouseAt(20, 100, true)});
    hidePanelButtons();
    frames({mouseAt(20, 100, false, true)});
    EXPECT_FALSE(takePanelClick(WorkerButton)) << "hidden while pressed";
}

TEST_F(PanelTest, DescriptionBoxAppearsOnlyOverAVisibleButton) {
    const PanelMouse over = mouseAt(57, 137);
    const auto hidden = recordIn2D([&] { drawPanel(over); });

    showPanelButton(WorkerButton);
    const auto shown = recordIn2D([&] { drawPanel(over); });
    const auto description = recordIn2D([] {
        printBox(interfaceFont, panelButtons[WorkerButton].description, 10, 300, 370, 16, false, false);
    });
    ASSERT_EQ(shown.size(), hidden.size() + 2 + description.size()) << "the icon, the box and its text";
    EXPECT_EQ(shown.at(3), (RecordedQuad{10, 90, 58, 138}));
    EXPECT_EQ(shown.at(4), (RecordedQuad{0, 162, 300, 392}));
    EXPECT_EQ(std::vector<RecordedQuad>(shown.begin() + 5, shown.begin() + 5 + description.size()),
              description);

    EXPECT_EQ(recordIn2D([] { drawPanel(mouseAt(58, 100)); }).size(), hidden.size() + 1)
        << "the icon's right edge is outside it";
}

// With the mouse buttons swapped the frame asks this before taking a left press as an order.
TEST_F(PanelTest, AShownButtonIsFoundUnderAPointAndAHiddenOneIsNot) {
    EXPECT_FALSE(shownButtonAt(20, 100));
    showPanelButton(WorkerButton);
    EXPECT_TRUE(shownButtonAt(10, 90));
    EXPECT_TRUE(shownButtonAt(57, 137));
    EXPECT_FALSE(shownButtonAt(58, 100)) << "the icon's right edge is outside it";
    EXPECT_FALSE(shownButtonAt(20, 89));
    hidePanelButtons();
    EXPECT_FALSE(shownButtonAt(20, 100));
}

TEST_F(PanelTest, SingleSelectionReadsHitPointsNameAndState) {
    const std::shared_ptr<IWorldObject> pile = ObjectFactory::createObject(TypeMetalPile, 0, 50.0, 50.0);
    player().selectObject(pile, false);
    std::vector<RecordedQuad> expected{{260, 5, 350, 95}};
    const auto text =
        printed({{"MetalPile", 357, 75, 32}, {"0/0", 360, 50, 16}, {pile->getState(), 360, 30, 16}});
    expected.insert(expected.end(), text.begin(), text.end());
    EXPECT_EQ(readOutOf(player()), expected) << "a pile has no hit points";

    const std::shared_ptr<IWorldObject> worker = ObjectFactory::createObject(TypeWorker, 1, 50.0, 50.0);
    player().selectObject(worker, false);
    const auto readOut = readOutOf(player());
    const auto hitPoints = printed({{"Worker", 357, 75, 32}, {"40/40", 360, 50, 16}});
    ASSERT_GT(readOut.size(), 1 + hitPoints.size());
    EXPECT_EQ(std::vector<RecordedQuad>(readOut.begin() + 1, readOut.begin() + 1 + hitPoints.size()),
              hitPoints);
}

} // namespace
