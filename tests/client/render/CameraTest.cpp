#include "client/render/Camera.h"
#include "core/FrameClock.h"
#include "support/ExpectNear.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float Pi = 3.14159265f;

class CameraTest : public ::testing::Test {
protected:
    const Camera start{};

    void SetUp() override {
        fakeplatform::reset();             // an 800 x 600 window
        fakeplatform::cursor = {400, 300}; // the window centre: no mouse-look
    }

    static void fly(Camera& camera, std::initializer_list<int> keys, std::initializer_list<float> frames) {
        fakeplatform::heldKeys = keys;
        for (float seconds : frames) {
            DeltaSeconds = seconds;
            updateCamera(camera);
        }
        fakeplatform::heldKeys.clear();
    }

    // At the origin, looking toward -z, pitchDegrees above the horizon.
    static Camera pitchedCamera(float pitchDegrees) {
        Camera camera;
        camera.setEye({});
        camera.setCenter(
            {0.0f, 10.0f * std::sin(pitchDegrees * Pi / 180), -10.0f * std::cos(pitchDegrees * Pi / 180)});
        return camera;
    }
};

TEST_F(CameraTest, OneSecondOfForwardFlightCoversTheSpeedAlongTheViewWhateverTheFrameLengths) {
    for (auto frames : {std::initializer_list<float>{1.0f}, {0.016f, 0.3f, 0.184f, 0.5f}}) {
        Camera camera;
        fly(camera, {'W'}, frames);
        const Vec3 view = start.center() - start.eye();
        expectNear(camera.eye(), start.eye() + normalise(view) * 25.0f);
        expectNear(camera.center() - camera.eye(), view);
    }
}

TEST_F(CameraTest, SidewaysFlightFollowsTheRightOfTheViewAndOppositeKeysCancel) {
    Camera camera; // looking toward -z: right is +x
    fly(camera, {'D'}, {0.5f, 0.5f});
    expectNear(camera.eye(), start.eye() + Vec3{25.0f, 0.0f, 0.0f});
    fly(camera, {'A', 'D'}, {0.4f, 0.6f});
    fly(camera, {'W', 'S'}, {1.0f});
    expectNear(camera.eye(), start.eye() + Vec3{25.0f, 0.0f, 0.0f});
}

TEST_F(CameraTest, MouseLookTurnsTheViewAndPutsTheCursorBackAtTheWindowCentre) {
    fakeplatform::client = {100, 50, 901, 651}; // odd sizes: the centre (500, 350) rounds down
    Camera camera = pitchedCamera(0.0f);
    fakeplatform::cursor = {550, 350};
    updateCamera(camera);
    EXPECT_EQ(fakeplatform::cursor.x, 500);
    const Vec3 view = camera.center() - camera.eye();
    EXPECT_NEAR(std::atan2(view.x, -view.z) * 180 / Pi, 5.0f, 1e-3f)
        << "50 pixels right turn 5 degrees right";

    fakeplatform::cursor = {500, 330};
    updateCamera(camera);
    EXPECT_EQ(fakeplatform::cursor.y, 350);
    EXPECT_NEAR(cameraPitch(camera), 2.0f, 1e-3f);
    EXPECT_NEAR(length(camera.center() - camera.eye()), 10.0f, 1e-3f);
}

TEST_F(CameraTest, PitchStopsShortOfVerticalButTurnsBackTowardLevel) {
    for (int sign : {1, -1}) {
        Camera camera = pitchedCamera(89.5f * sign);
        const Vec3 center = camera.center();
        fakeplatform::cursor = {400, 300 - 10 * sign}; // one degree further out
        updateCamera(camera);
        expectNear(camera.center(), center);

        fakeplatform::cursor = {400, 300 + 10 * sign}; // one degree back
        updateCamera(camera);
        EXPECT_NEAR(cameraPitch(camera), 88.5f * sign, 1e-2f);
    }
}

} // namespace
