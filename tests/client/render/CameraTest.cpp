#include "client/render/Camera.h"
#include "client/render/CameraMoves.h"
#include "client/render/CameraSteering.h"
#include "core/FrameClock.h"
#include "support/ExpectNear.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float Pi = 3.14159265f;

float distance(const Camera& camera) {
    return length(camera.center() - camera.eye());
}

const GroundArea Map{-375.0f, 375.0f, -375.0f, 375.0f};

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

// Panning the start view right and forward is the arrow keys' case (and camera_test's).
TEST_F(CameraTest, PanningForwardFollowsTheViewOverTheGroundKeepingHeight) {
    Camera turned; // looking toward +x
    turned.setCenter({turned.eyeX + 20.0f, 30.0f, turned.eyeZ});
    panCamera(turned, 0.0f, 5.0f, Map);
    expectNear(turned.eye(), start.eye() + Vec3{5.0f, 0.0f, 0.0f});
}

TEST_F(CameraTest, ThePointLookedAtStaysOnTheMapWhileTheViewKeepsItsShape) {
    Camera camera;
    const Vec3 view = camera.center() - camera.eye();
    for (int i = 0; i < 100; ++i)
        panCamera(camera, -30.0f, 30.0f, Map);
    EXPECT_FLOAT_EQ(camera.centerX, Map.minX);
    EXPECT_FLOAT_EQ(camera.centerZ, Map.minZ);
    expectNear(camera.center() - camera.eye(), view);

    for (int i = 0; i < 100; ++i)
        panCamera(camera, 30.0f, -30.0f, Map);
    EXPECT_FLOAT_EQ(camera.centerX, Map.maxX);
    EXPECT_FLOAT_EQ(camera.centerZ, Map.maxZ);

    Camera unbounded; // no map loaded: nothing to hold it to
    panCamera(unbounded, 1000.0f, 0.0f, std::nullopt);
    EXPECT_FLOAT_EQ(unbounded.centerX, start.centerX + 1000.0f);
}

// Looking down the start view's way over a map corner, at every zoom: the ground shown above the
// panel ends inside the map, and a view wider than the map is centred on it.
TEST_F(CameraTest, AtAnEdgeOrACornerTheGroundStillFillsTheViewAndAWideViewIsCentred) {
    const ViewShape shape{800.0f / 600.0f, 192.0f / 600.0f};
    const GroundArea small{-150.0f, 150.0f, -150.0f, 150.0f, 5.0f};
    for (int notches : {2, 0, -4}) {
        Camera camera = start;
        zoomCamera(camera, notches);
        panCamera(camera, -500.0f, 500.0f, std::nullopt); // far past the upper left corner
        keepOverMap(camera, shape, small);
        const auto footprint = viewFootprint(camera, shape, small.edgeHeight);
        ASSERT_TRUE(footprint);
        float left = small.maxX, top = small.maxZ;
        for (const Vec3& corner : *footprint) {
            EXPECT_GE(corner.x, small.minX - 1e-3f);
            EXPECT_GE(corner.z, small.minZ - 1e-3f);
            left = std::min(left, corner.x);
            top = std::min(top, corner.z);
        }
        EXPECT_NEAR(left, small.minX, 1e-3f) << "moved no further than needed";
        EXPECT_NEAR(top, small.minZ, 1e-3f);
    }

    Camera wide = start;
    zoomCamera(wide, -20);
    const GroundArea tiny{-10.0f, 10.0f, -10.0f, 10.0f, 0.0f};
    keepOverMap(wide, shape, tiny);
    const auto footprint = viewFootprint(wide, shape, 0.0f);
    ASSERT_TRUE(footprint);
    const float middleX = ((*footprint)[0].x + (*footprint)[1].x + (*footprint)[2].x + (*footprint)[3].x) / 4;
    EXPECT_NEAR(middleX, 0.0f, 1e-3f);

    Camera horizon = pitchedCamera(10.0f);
    horizon.setEye({0.0f, 50.0f, 500.0f});
    EXPECT_FALSE(viewFootprint(horizon, shape, 0.0f)) << "the view reaches the horizon";
    keepOverMap(horizon, shape, small);
    EXPECT_LE(horizon.centerZ, small.maxZ) << "only the point looked at is held on the map";
}

// Scaling the view about the point under the cursor leaves that point under the cursor.
TEST_F(CameraTest, TheWheelZoomsTowardThePointUnderTheCursor) {
    const ViewShape shape{800.0f / 600.0f, 0.0f};
    Camera camera = start;
    const auto anchor = groundUnder(camera, shape, 0.6f, -0.4f, start.centerY);
    ASSERT_TRUE(anchor);
    zoomCameraToward(camera, 2, *anchor);
    EXPECT_LT(distance(camera), distance(start));
    const auto after = groundUnder(camera, shape, 0.6f, -0.4f, start.centerY);
    ASSERT_TRUE(after);
    expectNear(*after, *anchor, 1e-3f);
    expectNear(normalise(camera.center() - camera.eye()), normalise(start.center() - start.eye()), 1e-5f);
}

TEST_F(CameraTest, ZoomingMovesTheEyeAlongTheViewBetweenTheLimits) {
    Camera camera;
    zoomCamera(camera, 1);
    EXPECT_LT(distance(camera), distance(start));
    expectNear(normalise(camera.center() - camera.eye()), normalise(start.center() - start.eye()));
    expectNear(camera.center(), start.center());
    zoomCamera(camera, -1);
    EXPECT_NEAR(distance(camera), distance(start), 1e-3f);

    zoomCamera(camera, 50);
    EXPECT_NEAR(distance(camera), NearestZoom, 1e-3f);
    zoomCamera(camera, -50);
    EXPECT_NEAR(distance(camera), FarthestZoom, 1e-3f);
    expectNear(normalise(camera.center() - camera.eye()), normalise(start.center() - start.eye()));
}

TEST_F(CameraTest, FlightCoversTheSpeedAlongTheViewOrItsRightWhateverTheFramesAndOppositeKeysCancel) {
    for (auto frames : {std::initializer_list<float>{1.0f}, {0.016f, 0.3f, 0.184f, 0.5f}}) {
        Camera camera;
        fly(camera, {'W'}, frames);
        const Vec3 view = start.center() - start.eye();
        expectNear(camera.eye(), start.eye() + normalise(view) * 25.0f);
        expectNear(camera.center() - camera.eye(), view);
    }

    Camera camera; // looking toward -z: right is +x
    fly(camera, {'D'}, {0.5f, 0.5f});
    expectNear(camera.eye(), start.eye() + Vec3{25.0f, 0.0f, 0.0f});
    fly(camera, {'A', 'D'}, {0.4f, 0.6f});
    fly(camera, {'W', 'S'}, {1.0f});
    expectNear(camera.eye(), start.eye() + Vec3{25.0f, 0.0f, 0.0f});
}

TEST_F(CameraTest, MouseLookTurnsTheViewStoppingShortOfVerticalAndPutsTheCursorBackAtTheCentre) {
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

    // The pitch stops short of vertical but turns back toward level.
    for (int sign : {1, -1}) {
        Camera steep = pitchedCamera(89.5f * sign);
        const Vec3 center = steep.center();
        fakeplatform::cursor = {500, 350 - 10 * sign}; // one degree further out
        updateCamera(steep);
        expectNear(steep.center(), center);

        fakeplatform::cursor = {500, 350 + 10 * sign}; // one degree back
        updateCamera(steep);
        EXPECT_NEAR(cameraPitch(steep), 88.5f * sign, 1e-2f);
    }
}

class CameraSteeringTest : public CameraTest {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        DeltaSeconds = 0.1f;
        keepHomePose(Camera{});
    }

    // Half the view's width across its middle a second, at the start distance.
    float panSpeed() const { return CameraSteering::PanViewsPerSecond * viewWidth(start, gameViewShape()); }

    void frames(int count, int wheelNotches = 0) {
        for (int i = 0; i < count; ++i)
            steering.steer(camera, i == 0 ? wheelNotches : 0);
    }

    CameraSteering steering;
    Camera camera;
};

TEST_F(CameraSteeringTest, ArrowKeysPanAtTheirSpeedOverTheFrameTimeAndOppositeKeysCancel) {
    fakeplatform::heldKeys = {KeyRight};
    frames(2);
    const float step = panSpeed() * DeltaSeconds;
    expectNear(camera.eye(), start.eye() + Vec3{2 * step, 0.0f, 0.0f});
    fakeplatform::heldKeys = {KeyUp};
    frames(1);
    expectNear(camera.eye(), start.eye() + Vec3{2 * step, 0.0f, -step});
    fakeplatform::heldKeys = {KeyDown, KeyUp, KeyLeft, KeyRight};
    const Vec3 before = camera.eye();
    frames(3);
    expectNear(camera.eye(), before);
}

TEST_F(CameraSteeringTest, TheCursorRestingAtAnEdgePansThatWayAndNowhereElse) {
    const int edge = CameraSteering::EdgePixels;
    const float step = panSpeed() * DeltaSeconds;
    const struct {
        platform::Point cursor;
        Vec3 move;
    } cases[] = {
        {{0, 300}, {-step, 0.0f, 0.0f}},
        {{edge - 1, 300}, {-step, 0.0f, 0.0f}},
        {{799, 300}, {step, 0.0f, 0.0f}},
        {{400, 0}, {0.0f, 0.0f, -step}},
        {{400, 599}, {0.0f, 0.0f, step}},
        {{0, 0}, {-step, 0.0f, -step}},
        {{edge, 300}, {}},
        {{800 - edge - 1, 599 - edge}, {}},
        {{-1, 300}, {}},
        {{400, 600}, {}}, // outside the window
    };
    for (const auto& c : cases) {
        camera = start;
        fakeplatform::cursor = c.cursor;
        frames(1);
        SCOPED_TRACE(testing::Message() << "cursor at " << c.cursor.x << ", " << c.cursor.y);
        expectNear(camera.eye(), start.eye() + c.move);
    }
}

TEST_F(CameraSteeringTest, ALongFramePansNoFurtherThanATenthOfASecond) {
    fakeplatform::heldKeys = {KeyRight};
    DeltaSeconds = 3.0f; // the window was away
    frames(1);
    expectNear(camera.eye(), start.eye() + Vec3{panSpeed() * CameraSteering::LongestPanSeconds, 0.0f, 0.0f});
}

TEST_F(CameraSteeringTest, PanningCoversMoreGroundWhenZoomedOut) {
    frames(1, -2);
    const float zoomedOut = distance(camera) / distance(start);
    const Vec3 before = camera.eye();
    fakeplatform::heldKeys = {KeyLeft};
    frames(1);
    expectNear(camera.eye(), before - Vec3{panSpeed() * DeltaSeconds * zoomedOut, 0.0f, 0.0f});
}

TEST_F(CameraSteeringTest, TheWheelZoomsAndHomeGoesBackToTheStartPoseOncePerPress) {
    camera.moveSpeed = 40.0f;
    frames(1, 2);
    fakeplatform::heldKeys = {KeyRight};
    frames(1);
    camera.upX = 0.1f; // as the free camera may leave it
    fakeplatform::heldKeys = {KeyHome};
    frames(1);
    expectNear(camera.eye(), start.eye(), 0.0f);
    expectNear(camera.center(), start.center(), 0.0f);
    expectNear(camera.up(), start.up(), 0.0f);
    EXPECT_EQ(camera.moveSpeed, 40.0f) << "the settings are not part of the pose";

    frames(1, -1); // Home still held: no second return
    EXPECT_GT(distance(camera), distance(start));
    fakeplatform::heldKeys.clear();
    frames(1);
    fakeplatform::heldKeys = {KeyHome};
    frames(1);
    EXPECT_NEAR(distance(camera), distance(start), 1e-3f);
}

// A skirmish starts over the player's base: Home goes back there, not to the standard game's view.
TEST_F(CameraSteeringTest, HomeGoesBackToThePoseTheGameKeptAtItsStart) {
    Camera overBase;
    overBase.setEye(start.eye() + Vec3{60.0f, 0.0f, 45.0f});
    overBase.setCenter(start.center() + Vec3{60.0f, 0.0f, 45.0f});
    keepHomePose(overBase);
    fakeplatform::heldKeys = {KeyLeft};
    frames(3);
    fakeplatform::heldKeys = {KeyHome};
    frames(1);
    expectNear(camera.eye(), overBase.eye(), 0.0f);
    expectNear(camera.center(), overBase.center(), 0.0f);
}

} // namespace
