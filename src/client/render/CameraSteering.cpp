#include "client/render/CameraSteering.h"

#include "client/KeyPress.h"
#include "client/render/SelectionRect.h"
#include "core/FrameClock.h"
#include "core/Input.h"
#include "core/Log.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>

namespace {

// -1, 0 or +1 along one axis from a pair of opposite directions.
int direction(bool negative, bool positive) {
    return (positive ? 1 : 0) - (negative ? 1 : 0);
}

struct PanDirections {
    int rightward = 0;
    int forward = 0;
};

// Keys and an edge pushing the same way do not add up.
PanDirections wantedPan() {
    const platform::Point cursor = platform::screenToClient(platform::cursorPosition());
    const platform::Rect client = platform::clientRect();
    const bool inside = cursor.x >= client.left && cursor.x < client.right && cursor.y >= client.top &&
                        cursor.y < client.bottom;
    const bool left = inside && cursor.x < client.left + CameraSteering::EdgePixels;
    const bool right = inside && cursor.x >= client.right - CameraSteering::EdgePixels;
    const bool top = inside && cursor.y < client.top + CameraSteering::EdgePixels;
    const bool bottom = inside && cursor.y >= client.bottom - CameraSteering::EdgePixels;
    return {direction(platform::keyHeld(KeyLeft) || left, platform::keyHeld(KeyRight) || right),
            direction(platform::keyHeld(KeyDown) || bottom, platform::keyHeld(KeyUp) || top)};
}

// The ground point under the cursor, on the plane of the point looked at; the point looked at when
// the cursor is off the window or over the sky.
Vec3 zoomAnchor(const Camera& camera) {
    const platform::Point cursor = platform::screenToClient(platform::cursorPosition());
    return windowRayAt(camera, cursor, camera.centerY).value_or(camera.center());
}

void logPose(const Camera& camera) {
    Log << "CAMERA eye (" << camera.eyeX << ", " << camera.eyeY << ", " << camera.eyeZ << ") center ("
        << camera.centerX << ", " << camera.centerY << ", " << camera.centerZ << ")\n";
}

} // namespace

std::optional<Vec3> windowRayAt(const Camera& camera, const platform::Point& at, float height) {
    if (ClientWidth <= 0 || ClientHeight <= 0)
        return std::nullopt;
    const float x = 2.0f * (static_cast<float>(at.x) + 0.5f) / static_cast<float>(ClientWidth) - 1.0f;
    const float y = 1.0f - 2.0f * (static_cast<float>(at.y) + 0.5f) / static_cast<float>(ClientHeight);
    if (x < -1.0f || x > 1.0f || y < -1.0f || y > 1.0f)
        return std::nullopt;
    return groundUnder(camera, gameViewShape(), x, y, height);
}

ViewShape gameViewShape() {
    if (ClientWidth <= 0 || ClientHeight <= 0)
        return {};
    return {static_cast<float>(ClientWidth) / static_cast<float>(ClientHeight),
            std::min(1.0f, static_cast<float>(PanelStripHeight) / static_cast<float>(ClientHeight))};
}

float viewWidth(const Camera& camera, const ViewShape& shape) {
    const float spread = std::tan(VerticalFieldOfView / 2.0f * 3.14159265f / 180.0f);
    return 2.0f * length(camera.eye() - camera.center()) * spread * shape.aspect;
}

void CameraSteering::steer(Camera& camera, int wheelNotches) {
    const Camera before = camera;
    const ViewShape shape = gameViewShape();
    if (keyPressed(KeyHome))
        restoreHomePose(camera);
    if (wheelNotches != 0)
        zoomCameraToward(camera, wheelNotches, zoomAnchor(camera));
    const PanDirections pan = wantedPan();
    if (pan.rightward != 0 || pan.forward != 0) {
        // A long frame (the window was away) does not fling the view.
        const float seconds = std::min(DeltaSeconds, LongestPanSeconds);
        const float step = PanViewsPerSecond * viewWidth(camera, shape) * seconds;
        panCamera(camera, static_cast<float>(pan.rightward) * step, static_cast<float>(pan.forward) * step,
                  std::nullopt);
    }
    if (const std::optional<GroundArea> area = mapGroundArea(); area && camera.eye() != before.eye())
        keepOverMap(camera, shape, *area);

    const bool movedNow = camera.eye() != lastEye || camera.center() != lastCenter;
    if (moving && !movedNow)
        logPose(camera);
    moving = movedNow;
    lastEye = camera.eye();
    lastCenter = camera.center();
}
