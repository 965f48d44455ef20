#include "client/models/ModelDrawing.h"
#include "core/Clock.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"
#include "support/TestModels.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

constexpr uint32_t Now0 = 1000;

// The x of every drawn triangle's first corner, in model units (the projection maps them 1:1).
std::vector<float> firstCornerXs(const std::function<void()>& draw) {
    const platform::Rect client = platform::clientRect();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-client.right / 2.0, client.right / 2.0, -client.bottom / 2.0, client.bottom / 2.0, -100.0,
            100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    std::vector<float> xs;
    for (GLint i = 0; i < count; i += 2 + 2 * static_cast<int>(buffer[i + 1])) {
        EXPECT_EQ(buffer[i], GL_POLYGON_TOKEN);
        xs.push_back(buffer[i + 2] - client.right / 2.0f);
    }
    return xs;
}

// Two triangles, face 0 at height 0 and face 1 at height 20, whose first corners are at the x
// offsets given.
std::shared_ptr<MeshShape> twoFaces(float x0, float x1) {
    auto shape = std::make_shared<MeshShape>();
    shape->positions = {{x0, 0, 0}, {x0 + 1, 0, 0}, {x0, 1, 0}, {x1, 20, 0}, {x1 + 1, 20, 0}, {x1, 21, 0}};
    shape->faceNormals.assign(2, Vec3{0.0f, 0.0f, 1.0f});
    return shape;
}

// Rest pose at x = -50. "run": three frames; face 0 at x = 0, 10, 20; face 1 at x = 0, 10, 30 but
// marked unchanged in the last frame.
Model runningModel(std::array<uint32_t, 3> durations = {100, 100, 100}) {
    Model model = modelOf({flatMesh("body", twoFaces(-50.0f, -50.0f)->positions)});
    ModelAnimation run;
    run.name = "run";
    run.frameCount = 3;
    run.animatedMeshes = {0};
    const float face1[3] = {0.0f, 10.0f, 30.0f};
    for (int k = 0; k < 3; ++k) {
        ModelFrameMesh frameMesh;
        frameMesh.flat = 1;
        frameMesh.faceCount = 2;
        frameMesh.changed = true;
        frameMesh.changedFaces = {true, k != 2};
        frameMesh.shape = twoFaces(10.0f * k, face1[k]);
        run.frames.push_back({durations[k], {frameMesh}});
    }
    model.animations.push_back(run);
    return model;
}

ModelInstance instanceOf(const Model& model, const ModelGpu& gpu) {
    ModelInstance instance;
    instance.model = &model;
    instance.gpu = &gpu;
    return instance;
}

class ModelDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        setTickSource([this] { return now; });
    }

    static std::vector<float> drawnXs(ModelInstance& instance) {
        return firstCornerXs(
            [&] { drawModel(*instance.model, gpuOf(instance), &instance.animationState, 0); });
    }

    uint32_t now = Now0;
};

// Facing +x and -z is the facing case's, drawn.
TEST_F(ModelDrawingTest, YawTurnsTheModelFromPlusZToItsHorizontalDirection) {
    const float west[3] = {-1, 0, 0}, none[3] = {0, 0, 0}, climbing[3] = {0, 5, 1};
    EXPECT_NEAR(yawDegrees(west), 270.0, 1e-4);
    EXPECT_EQ(yawDegrees(none), 0.0);
    EXPECT_NEAR(yawDegrees(climbing), 0.0, 1e-4) << "only the horizontal part counts";
}

TEST_F(ModelDrawingTest, KeyframesInterpolateTowardTheNextFrameAndLoop) {
    Model model = runningModel();
    const ModelGpu gpu = uploadModel(model);
    ModelInstance instance = instanceOf(model, gpu);
    EXPECT_EQ(drawnXs(instance), (std::vector<float>{-50.0f, -50.0f})) << "no animation: the rest pose";

    playAnimation(instance, "run");
    now = Now0 + 250; // frame 2, half way, toward frame 0 for every face
    EXPECT_EQ(drawnXs(instance), (std::vector<float>{10.0f, 15.0f}));

    now = Now0 + 300 + 150; // frame 1 of the next loop, half way toward frame 2
    EXPECT_EQ(drawnXs(instance), (std::vector<float>{15.0f, 10.0f}))
        << "face 1 is not marked as changing in frame 2, so it is drawn as in frame 1";

    now = Now0 + 3000000 + 50; // a long pause is caught up to the same place in the loop
    EXPECT_EQ(drawnXs(instance), (std::vector<float>{5.0f, 5.0f}));
}

TEST_F(ModelDrawingTest, AnimationsThatCannotRunDrawTheirFirstFrameOrTheRestPose) {
    Model still = runningModel({0, 0, 0});
    const ModelGpu gpu = uploadModel(still);
    ModelInstance instance = instanceOf(still, gpu);
    playAnimation(instance, "run");
    now = Now0 + 5000;
    EXPECT_EQ(drawnXs(instance), (std::vector<float>{0.0f, 0.0f})) << "frames of 0 ms: the first frame";

    Model empty = runningModel();
    empty.animations[0].frames.clear();
    empty.animations[0].frameCount = 0;
    instance.model = &empty;
    EXPECT_EQ(drawnXs(instance), (std::vector<float>{-50.0f, -50.0f})) << "no frames: the rest pose";
}

// Looks straight down on the cleared ground plane, +x to the right and -z up the window.
void lookStraightDown() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10.0, 10.0, -10.0, 10.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 50.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, -1.0);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
}

Rgb pixelAt(double x, double z) {
    return pixelColour(windowPixel(x, 0.0, z));
}

// A white square body at the origin with a nose in the colour separator toward +z.
Model arrowModel() {
    return modelOf(
        {boxMesh("body", 1.0f, 1.0f),
         flatMesh("color_separator", {{-0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 1.0f}, {0.0f, 0.5f, 4.0f}})});
}

TEST_F(ModelDrawingTest,
       AnInstanceFacesItsDirectionWithOnlyTheColourSeparatorInTeamColourAndAnEmptyOneDrawsNothing) {
    lookStraightDown();
    Model model = arrowModel();
    const ModelGpu gpu = uploadModel(model);
    ModelInstance instance = instanceOf(model, gpu);
    instance.colour = 0x0000FF; // red in the lowest byte
    instance.direction[0] = 1.0f;
    drawInstance(instance, 0.0, 0.0, 0.0);
    EXPECT_TRUE(instance.visible);
    EXPECT_EQ(pixelAt(0.0, 0.0), (Rgb{255, 255, 255}));
    EXPECT_EQ(pixelAt(2.5, 0.0), (Rgb{255, 0, 0})) << "the nose points along +x";
    EXPECT_EQ(pixelAt(0.0, 2.5), (Rgb{0, 0, 0}));

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    instance.direction[0] = 0.0f;
    instance.direction[2] = -1.0f;
    drawInstance(instance, 5.0, 0.0, 0.0);
    EXPECT_EQ(pixelAt(5.0, -2.5), (Rgb{255, 0, 0})) << "turned half round, drawn at its position";

    // Hiding behind what was drawn before is the screen picking's case.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Model empty;
    const ModelGpu none;
    ModelInstance nothing = instanceOf(empty, none);
    drawInstance(nothing, 0.0, 0.0, 0.0);
    EXPECT_FALSE(nothing.visible) << "an empty model";
    EXPECT_EQ(pixelAt(0.0, 0.0), (Rgb{0, 0, 0}));
}

} // namespace
