#include "client/GamePresentation.h"
#include "client/models/ModelGpu.h"
#include "client/models/ScreenPicking.h"
#include "core/Input.h"
#include "sim/game/Game.h"
#include "platform/Platform.h"
#include "sim/manager/ObjectManager.h"
#include "sim/players/PlayerManager.h"
#include "support/GlWindow.h"
#include "support/TestModels.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

// The game's presentation, with every object a box 2 units wide and tall.
class BoxPresentation : public GamePresentation {
public:
    ModelInstance* createInstance(int) override {
        auto* instance = new ModelInstance();
        instance->model = &box;
        instance->gpu = &boxGpu;
        return instance;
    }

    Model box = modelOf({boxMesh("box", 1.0f, 2.0f)});
    ModelGpu boxGpu = uploadModel(box);
};

class Marker : public IWorldObject {
public:
    Marker(double x, double z) : IWorldObject({TypeMarine, 1, x, z, nullptr}) {}
    bool isDead() const override { return false; }
    void update() override {}
};

class ScreenPickingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        Game::end(); // an empty map: grid (x, z) lies at world (3.75 x, 0, 3.75 z)
        presentation = std::make_unique<BoxPresentation>();
        setPresentation(presentation.get());
        fitClientSizeToWindow();
        hidden = std::make_shared<Marker>(-2.0, 0.0); // behind a wall in the normal frame
        front = std::make_shared<Marker>(0.0, 2.0);
        back = std::make_shared<Marker>(0.4, 0.0); // behind the front one, sticking out to its right
    }
    void TearDown() override {
        setPresentation(nullptr);
        Game::end();
    }

    // Looking along -z at the objects from 30 units away.
    static void setView() {
        glLoadIdentity();
        gluLookAt(0.0, 1.0, 30.0, 0.0, 1.0, 0.0, 0.0, 1.0, 0.0);
    }

    // A wall in front of the hidden object, as a hill might stand.
    static void drawWall() {
        glDisable(GL_TEXTURE_2D);
        glBegin(GL_QUADS);
        glVertex3d(-11.0, -1.0, 3.0);
        glVertex3d(-4.0, -1.0, 3.0);
        glVertex3d(-4.0, 4.0, 3.0);
        glVertex3d(-11.0, 4.0, 3.0);
        glEnd();
    }

    // The normal frame draws the wall and the objects; as a frame that picks, their boxes are then
    // tested against the wall's depth alone. The picking frame starts white and has no wall.
    void drawThenPrepareToPick(const std::vector<std::shared_ptr<IWorldObject>>& objects) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        setView();
        drawWall();
        for (const auto& object : objects)
            object->render();
        presentation->batch().drawAll();
        glClear(GL_DEPTH_BUFFER_BIT);
        drawWall();
        presentation->batch().testVisibility();
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        setView();
    }

    static WindowPixel gridPixel(double gridX, double height, double gridZ) {
        return windowPixel(3.75 * gridX, height, 3.75 * gridZ);
    }

    static std::vector<std::shared_ptr<IWorldObject>> pick(const ObjectList& list, WindowPixel from,
                                                           WindowPixel to) {
        const ObjectSelecter view(list);
        const auto picked = selectInScreenRect(view, from[0], from[1], to[0], to[1]);
        return {picked->begin(), picked->end()};
    }

    std::unique_ptr<BoxPresentation> presentation;
    std::shared_ptr<Marker> hidden, front, back;
};

using Picked = std::vector<std::shared_ptr<IWorldObject>>;

TEST_F(ScreenPickingTest, AClickTakesTheFrontObjectAndADragAllThatShowWithinTheWindowNeverAHiddenOne) {
    drawThenPrepareToPick({front, hidden, back});
    ASSERT_TRUE(front->getModel()->visible);
    ASSERT_TRUE(back->getModel()->visible);
    ASSERT_FALSE(hidden->getModel()->visible) << "wholly behind the wall";

    const ObjectList list{hidden, front, back};
    const auto frontCentre = gridPixel(0.0, 1.0, 2.0);
    EXPECT_EQ(pick(list, frontCentre, frontCentre), (Picked{front})) << "the one behind it is covered";
    const auto backEdge = gridPixel(0.55, 1.0, 0.0);
    EXPECT_EQ(pick(list, backEdge, backEdge), (Picked{back}));
    const auto hiddenCentre = gridPixel(-2.0, 1.0, 0.0);
    EXPECT_TRUE(pick(list, hiddenCentre, hiddenCentre).empty()) << "not seen in the last frame: never picked";

    const auto lowLeft = gridPixel(-3.0, -0.5, 2.0), highRight = gridPixel(1.2, 2.5, 2.0);
    EXPECT_EQ(pick(list, highRight, lowLeft), (Picked{front, back})) << "in list order, each once";

    EXPECT_EQ(pick(list, {-5000, -5000}, {ClientWidth + 5000, ClientHeight + 5000}), (Picked{front, back}))
        << "clamped to the window";
    EXPECT_EQ(pick(list, {frontCentre[0], 0}, {frontCentre[0], ClientHeight}), (Picked{front})) << "a column";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ScreenPickingTest, ADragTakesObjectsStandingOnOneSpotAndAClickTheFrontOne) {
    const auto twin = std::make_shared<Marker>(0.0, 2.0); // where `front` stands, drawn after it
    drawThenPrepareToPick({front, twin, hidden});
    const ObjectList list{front, twin, hidden};
    const auto centre = gridPixel(0.0, 1.0, 2.0);
    EXPECT_EQ(pick(list, centre, centre).size(), 1u);
    const auto lowLeft = gridPixel(-1.0, 0.5, 2.0), highRight = gridPixel(1.0, 1.5, 2.0);
    EXPECT_EQ(pick(list, lowLeft, highRight), (Picked{front, twin}));
    EXPECT_TRUE(pick(list, gridPixel(-3.0, 0.5, 0.0), gridPixel(-1.0, 1.5, 0.0)).empty())
        << "a hidden object stays unpicked, centre inside or not";
}

TEST_F(ScreenPickingTest, AFrameThatDrawsNoObjectDrawsNoneOfTheLastFramesOnesWhichMayBeGone) {
    drawThenPrepareToPick({front, back});
    front.reset();
    back.reset();
    presentation->batch().drawAll();
    const std::vector<Rgb> pixels = windowPixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), Rgb{255, 255, 255}),
              static_cast<std::ptrdiff_t>(pixels.size()));
}

// The objects at the front of the list that draw just as in the last frame may be kept with the
// ground: they end at the first one that moved, turned up in another place of the list, or animates.
TEST_F(ScreenPickingTest, TheStillFrontOfTheListEndsAtTheFirstObjectThatChangedOrAnimates) {
    const auto frame = [&](const std::vector<std::shared_ptr<IWorldObject>>& objects) {
        setView();
        for (const auto& object : objects)
            object->render();
        const std::size_t still = presentation->batch().stillEntries();
        presentation->batch().drawAll();
        return still;
    };
    EXPECT_EQ(frame({front, back, hidden}), 0u) << "no last frame to match";
    EXPECT_EQ(frame({front, back, hidden}), 3u);
    back->setPosition(0.5, 0.0);
    EXPECT_EQ(frame({front, back, hidden}), 1u) << "up to the one that moved";
    EXPECT_EQ(frame({front, back, hidden}), 3u);
    front->getModel()->animationState.push_back({});
    EXPECT_EQ(frame({front, back, hidden}), 0u) << "an animation may change it in any frame";
    front->getModel()->animationState.clear();
    EXPECT_EQ(frame({back, front, hidden}), 0u) << "the same objects in another order";
    presentation->batch().drawAll(); // a frame that adds none
    EXPECT_EQ(frame({back, front, hidden}), 0u);
}

} // namespace
