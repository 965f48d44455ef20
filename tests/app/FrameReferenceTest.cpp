// The game's frame, drawn by drawFrame after the loading sequence and the game set-up, at rest (no
// simulation pass, a still clock), compared pixel for pixel with pictures taken from the renderer
// before it was made faster; and clicks over a grid of window points, compared with the objects it
// picked then. ORVALEN_RECORD_FRAMES=1 writes the references instead of comparing. Then the video
// options, set on the menu's page as a player sets them, against the frame without them.
#include "app/Frame.h"
#include "app/LiveOptions.h"
#include "app/LoadingSequence.h"
#include "app/Session.h"
#include "client/GamePresentation.h"
#include "client/menu/MenuScreen.h"
#include "client/models/ScreenPicking.h"
#include "client/render/Camera.h"
#include "client/render/RenderContext.h"
#include "core/Clock.h"
#include "core/FrameClock.h"
#include "core/Input.h"
#include "files/WorldFile.h"
#include "formats/CrowdPiles.h"
#include "platform/Platform.h"
#include "sim/manager/MapObjects.h"
#include "sim/manager/ObjectManager.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string References = ORVALEN_FRAME_REFERENCES;
constexpr int CrowdPiles = 200;
constexpr int PickStep = 40; // window pixels between clicked points
const bool Recording = std::getenv("ORVALEN_RECORD_FRAMES") != nullptr;
// The folder the test starts in, which outlives the scratch folder it plays in.
const std::filesystem::path StartFolder = std::filesystem::current_path();

using Pixels = std::vector<Rgb>; // rows from the bottom, as GL reads them

// PNG through ImageMagick, as the end-to-end tests compare pictures; `-flip` turns GL's row order.
void writePng(const Pixels& pixels, const std::string& path) {
    FILE* out = popen(("convert -flip ppm:- png:" + path).c_str(), "w");
    std::fprintf(out, "P6\n%d %d\n255\n", ClientWidth, ClientHeight);
    std::fwrite(pixels.data(), 3, pixels.size(), out);
    pclose(out);
}

Pixels readPng(const std::string& path) {
    FILE* in = popen(("convert -flip " + path + " ppm:-").c_str(), "r");
    int width = 0, height = 0, maximum = 0;
    Pixels pixels;
    if (std::fscanf(in, "P6 %d %d %d", &width, &height, &maximum) == 3 && std::fgetc(in) != EOF) {
        pixels.resize(static_cast<std::size_t>(width) * height);
        pixels.resize(std::fread(pixels.data(), 3, pixels.size(), in));
    }
    pclose(in);
    return pixels;
}

// The whole window drawn as the game draws it; the picking-pass toggle keeps the game's swap back
// (the menu's frame swaps, and Mesa's software buffers keep the picture in the back buffer).
Pixels drawnFrame() {
    frameToggles.showPickingPass = true;
    drawFrame();
    return windowPixels();
}

// `frame` tells apart the frames of one view compared with the same reference.
void expectPicture(const std::string& name, const Pixels& drawn, const std::string& frame = "") {
    const std::string reference = References + "/" + name + ".png";
    if (Recording)
        return writePng(drawn, reference);
    const Pixels expected = readPng(reference);
    ASSERT_EQ(drawn.size(), expected.size()) << name;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        differing += drawn[i] != expected[i];
    const std::string written = (StartFolder / (name + frame + "-drawn.png")).string();
    EXPECT_EQ(differing, 0u) << name << frame << ": the drawn frame is written to " << written;
    if (differing != 0)
        writePng(drawn, written);
}

// Each clicked point's front object as its place in the object list, "." for none, left to right
// and bottom to top; then every object a drag over the whole window takes.
std::string picks() {
    const ObjectManager& objects = *ObjectManager::getInstance();
    const auto place = [&](const std::shared_ptr<IWorldObject>& object) {
        const auto& list = objects.getObjects();
        return std::to_string(std::distance(list.begin(), std::find(list.begin(), list.end(), object)));
    };
    const auto pick = [&](int x1, int y1, int x2, int y2) {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        applyView(camera);
        return selectInScreenRect(objects, x1, y1, x2, y2);
    };
    std::ostringstream answers;
    for (int y = PickStep / 2; y < ClientHeight; y += PickStep)
        for (int x = PickStep / 2; x < ClientWidth; x += PickStep) {
            const auto picked = pick(x, y, x, y);
            answers << (picked->empty() ? "." : place(picked->front())) << " ";
        }
    answers << "| drag";
    const auto dragged = pick(0, 0, ClientWidth - 1, ClientHeight - 1);
    for (const auto& object : *dragged)
        answers << " " << place(object);
    return answers.str();
}

// The frame at the camera's pose, and the picks after it, as the game picks after its frame. The
// view's first frame draws its backdrop in the window; once the view and the objects standing still
// at the front of the list have lasted two frames, the backdrop is kept, and the next frame copies it.
std::string viewAndPicks(const std::string& name) {
    expectPicture(name, drawnFrame());
    for (int frame = 0; frame < 3; ++frame)
        drawnFrame();
    expectPicture(name, drawnFrame(), "-copied");
    testVisibilityForPicking(ClientWidth / 2, ClientHeight / 2);
    return name + ": " + picks() + "\n";
}

// The map's objects, the set-up's units and, for the crowd, the extra piles, added as the map
// loader adds them.
void addCrowd() {
    const auto map = readWorldFile("data\\maps\\motac.ktqw");
    ASSERT_TRUE(map);
    WorldFile crowd = *map.value;
    addCrowdPiles(crowd, CrowdPiles);
    const std::vector<MapObject> objects = mapObjects(crowd);
    const auto first = objects.begin() + static_cast<std::ptrdiff_t>(map.value->metalPiles.size());
    std::for_each(first, first + CrowdPiles, addMapObject);
}

// One game for the whole suite, loaded and set up as the window's game is, in a scratch folder.
class FrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(openGlWindow());
        game = std::make_unique<ScratchFolder>();
        std::filesystem::create_directory_symlink(StartFolder / "data", *game / "data");
        setTickSource([] { return 0u; });                 // a still clock: no animation moves
        setCalendarSource([] { return std::time_t{1}; }); // the set-up's enemy Marines always in one place
        installGamePresentation();
        runLoadingSequence();
        session().start();
    }
    static void TearDownTestSuite() { game.reset(); }

    static inline std::unique_ptr<ScratchFolder> game;
};

TEST_F(FrameTest, DrawsAndPicksAsTheRendererDidBeforeItWasMadeFaster) {
    std::string answers;
    answers += viewAndPicks("start");
    turnCamera(camera, 0.0f, 60.0f); // up toward the horizon: sky, hills and the base from its side
    answers += viewAndPicks("horizon");
    camera.setEye({-50.0f, 45.0f, -10.0f}); // low over the ground: Workers behind their base centre
    camera.setCenter({-50.0f, 30.0f, -70.0f});
    answers += viewAndPicks("low");
    camera = Camera{};
    addCrowd();
    answers += viewAndPicks("crowd");

    frameToggles.menuVisible = true;
    DeltaSeconds = 10.0f; // long frames: the menu reaches its resting place
    drawnFrame();
    drawnFrame();
    expectPicture("menu", drawnFrame());

    const std::string picksFile = References + "/picks.txt";
    if (Recording) {
        std::ofstream(picksFile) << answers;
        return;
    }
    std::ostringstream expected;
    expected << std::ifstream(picksFile).rdbuf();
    EXPECT_EQ(answers, expected.str());
}

struct Change {
    std::size_t darker = 0;  // no channel brighter, one at least darker
    std::size_t lighter = 0; // any channel brighter
};

Change changeFrom(const Pixels& before, const Pixels& after) {
    Change change;
    for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        bool brighter = false, darker = false;
        for (std::size_t c = 0; c < 3; ++c) {
            brighter = brighter || after[i][c] > before[i][c];
            darker = darker || after[i][c] < before[i][c];
        }
        change.lighter += brighter;
        change.darker += darker && !brighter;
    }
    return change;
}

// The video page's widgets set as a click leaves them, then the frame in which the game takes them.
Pixels frameAfter(const std::function<void(OptionsPage&)>& set) {
    set(menuScreen.videoPage);
    liveOptions().follow();
    drawnFrame();
    drawnFrame();
    return drawnFrame(); // the backdrop kept by now, as in a still view
}

TEST_F(FrameTest, TheVideoOptionsChangeTheStillFrameAndTheDefaultsBringItBack) {
    frameToggles.menuVisible = false;
    camera = Camera{};
    liveOptions().applyAtStart(); // the defaults, shown on the pages
    const Pixels plain = frameAfter([](OptionsPage&) {});

    const Pixels shadowed = frameAfter([](OptionsPage& video) { video.checkboxes[1].checked = true; });
    const Change shadows = changeFrom(plain, shadowed);
    EXPECT_GT(shadows.darker, 2000u) << "a shadow under every unit, pile and building in view";
    EXPECT_EQ(shadows.lighter, 0u) << "a shadow only darkens";

    const Pixels low = frameAfter([](OptionsPage& video) {
        video.checkboxes[1].checked = false;
        video.dropDownLists[0].selected = 0; // Texture quality: Low
    });
    const Change coarser = changeFrom(plain, low);
    EXPECT_GT(coarser.darker + coarser.lighter, 100000u)
        << "the ground's textures from a quarter of their size";

    const Pixels back = frameAfter([](OptionsPage& video) { video.dropDownLists[0].selected = 2; });
    const Change left = changeFrom(plain, back);
    EXPECT_EQ(left.darker + left.lighter, 0u) << "the defaults again draw the frame they drew";

    // Up toward the horizon, where the far ground's textures shrink between their mipmap levels.
    turnCamera(camera, 0.0f, 60.0f);
    const Pixels far = frameAfter([](OptionsPage&) {});
    const Pixels trilinear =
        frameAfter([](OptionsPage& video) { video.dropDownLists[2].selected = 1; }); // Texture Filtering
    const Change blended = changeFrom(far, trilinear);
    EXPECT_GT(blended.darker + blended.lighter, 1000u)
        << "the mipmap levels blended where the ground recedes";
    const Pixels bilinear = frameAfter([](OptionsPage& video) { video.dropDownLists[2].selected = 0; });
    const Change again = changeFrom(far, bilinear);
    EXPECT_EQ(again.darker + again.lighter, 0u);
}

} // namespace
