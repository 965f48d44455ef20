#include "render/Camera.h"
#include "app/FrameClock.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float Tolerance = 1e-3f;

void expectNear(Vector3 actual, Vector3 expected) {
    EXPECT_NEAR(actual.x, expected.x, Tolerance);
    EXPECT_NEAR(actual.y, expected.y, Tolerance);
    EXPECT_NEAR(actual.z, expected.z, Tolerance);
}

// Degrees of turn around the vertical axis from a to b, positive toward the left when looking down
// from above.
float headingChange(Vector3 a, Vector3 b) {
    return (std::atan2(-b.x, -b.z) - std::atan2(-a.x, -a.z)) * 180.0f / 3.14159265f;
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeplatform::reset();
        fakeplatform::client = {0, 0, 800, 600};
        fakeplatform::cursor = {400, 300}; // the window centre: no mouse-look
        DeltaSeconds = 0.0f;
    }

    // Holds the keys for frames of the given lengths.
    void fly(Camera& camera, std::initializer_list<int> keys, std::initializer_list<float> frames) {
        fakeplatform::heldKeys.insert(keys.begin(), keys.end());
        for (float seconds : frames) {
            DeltaSeconds = seconds;
            updateCamera(camera);
        }
        fakeplatform::heldKeys.clear();
    }

    // A camera at the origin looking pitchDegrees above the horizon toward -z.
    static Camera pitchedCamera(float pitchDegrees) {
        const float radians = pitchDegrees * 3.14159265f / 180.0f;
        Camera camera;
        camera.setEye({0.0f, 0.0f, 0.0f});
        camera.setCenter({0.0f, 10.0f * std::sin(radians), -10.0f * std::cos(radians)});
        return camera;
    }
};

TEST_F(CameraTest, StartPoseLooksSteeplyDownTowardMinusZ) {
    const Camera camera;
    expectNear(camera.eye(), {-50.0f, 120.0f, -50.0f});
    EXPECT_NEAR(cameraPitch(camera), -std::atan2(90.0f, 20.0f) * 180.0f / 3.14159265f, Tolerance);
    EXPECT_EQ(camera.keyForward, 'W');
    EXPECT_EQ(camera.keyBackward, 'S');
    EXPECT_EQ(camera.keyLeft, 'A');
    EXPECT_EQ(camera.keyRight, 'D');
}

TEST_F(CameraTest, OneSecondOfForwardFlightCoversTheSpeedAlongTheViewWhateverTheFrameLengths) {
    for (auto frames :
         {std::initializer_list<float>{1.0f}, {0.016f, 0.3f, 0.184f, 0.5f}, {0.25f, 0.25f, 0.25f, 0.25f}}) {
        Camera camera;
        const Vector3 view = camera.center() - camera.eye();
        const Vector3 expectedShift = normalise(view) * 25.0f;
        fly(camera, {'W'}, frames);
        expectNear(camera.eye(), Camera().eye() + expectedShift);
        expectNear(camera.center() - camera.eye(), view);
    }
}

TEST_F(CameraTest, SidewaysFlightFollowsTheRightOfTheView) {
    Camera camera; // looking toward -z, so right is +x
    fly(camera, {'D'}, {0.5f, 0.5f});
    expectNear(camera.eye(), Camera().eye() + Vector3{25.0f, 0.0f, 0.0f});
    fly(camera, {'A'}, {1.0f});
    fly(camera, {'S'}, {1.0f});
    expectNear(camera.eye(), Camera().eye() - normalise(Camera().center() - Camera().eye()) * 25.0f);
}

TEST_F(CameraTest, OppositeKeysCancel) {
    Camera camera;
    fly(camera, {'A', 'D'}, {0.4f, 0.6f});
    fly(camera, {'W', 'S'}, {1.0f});
    expectNear(camera.eye(), Camera().eye());
    expectNear(camera.center(), Camera().center());
}

TEST_F(CameraTest, MouseLookTurnsTheViewAndPutsTheCursorBackAtTheWindowCentre) {
    fakeplatform::client = {100, 50, 901, 651}; // odd sizes: the centre rounds down
    Camera camera = pitchedCamera(0.0f);
    fakeplatform::cursor = {500 + 50, 350}; // 50 pixels right of the centre
    updateCamera(camera);
    EXPECT_EQ(fakeplatform::cursor.x, 500);
    EXPECT_EQ(fakeplatform::cursor.y, 350);
    EXPECT_NEAR(headingChange({0.0f, 0.0f, -1.0f}, camera.center() - camera.eye()), -5.0f, Tolerance)
        << "moving the mouse right turns the view right";
    EXPECT_NEAR(cameraPitch(camera), 0.0f, Tolerance);

    fakeplatform::cursor = {500, 350 - 20}; // 20 pixels up
    updateCamera(camera);
    EXPECT_NEAR(cameraPitch(camera), 2.0f, Tolerance);
    EXPECT_EQ(fakeplatform::cursor.y, 350);
    EXPECT_NEAR(length(camera.center() - camera.eye()), 10.0f, Tolerance) << "turning keeps the distance";
}

TEST_F(CameraTest, PitchStopsShortOfVerticalButTurnsBackTowardLevel) {
    for (float sign : {1.0f, -1.0f}) {
        Camera camera = pitchedCamera(89.5f * sign);
        const Vector3 center = camera.center();
        fakeplatform::cursor = {400, 300 - static_cast<int>(10 * sign)}; // one degree further out
        updateCamera(camera);
        expectNear(camera.center(), center);

        fakeplatform::cursor = {400, 300 + static_cast<int>(10 * sign)}; // one degree back
        updateCamera(camera);
        EXPECT_NEAR(cameraPitch(camera), 88.5f * sign, 1e-2f);
    }
}

} // namespace
