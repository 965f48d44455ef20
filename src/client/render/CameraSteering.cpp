#include "client/render/CameraSteering.h"

#include "client/KeyPress.h"
#include "client/render/CameraMoves.h"
#include "core/FrameClock.h"
#include "core/Input.h"
#include "core/Log.h"
#include "platform/Platform.h"

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

void logPose(const Camera& camera) {
    Log << "CAMERA eye (" << camera.eyeX << ", " << camera.eyeY << ", " << camera.eyeZ << ") center ("
        << camera.centerX << ", " << camera.centerY << ", " << camera.centerZ << ")\n";
}

} // namespace

void CameraSteering::steer(Camera& camera, int wheelNotches) {
    const Camera before = camera;
    if (keyPressed(KeyHome))
        restoreStartPose(camera);
    if (wheelNotches != 0)
        zoomCamera(camera, wheelNotches);
    const PanDirections pan = wantedPan();
    if (pan.rightward != 0 || pan.forward != 0) {
        const float step = PanSpeed * DeltaSeconds * length(camera.eye() - camera.center()) /
                           length(Camera{}.eye() - Camera{}.center());
        panCamera(camera, static_cast<float>(pan.rightward) * step, static_cast<float>(pan.forward) * step,
                  mapGroundArea());
    }

    const bool movedNow = camera.eye() != before.eye() || camera.center() != before.center();
    if (moving && !movedNow)
        logPose(camera);
    moving = movedNow;
}
