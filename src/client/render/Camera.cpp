#include "client/render/Camera.h"

#include "core/FrameClock.h"
#include "platform/Platform.h"

#include <GL/glew.h>
#include <GL/glu.h>

Camera camera;

namespace {

constexpr float RadiansPerDegree = 3.14159265358979f / 180.0f;
constexpr double DegreesPerRadian = 57.29577951308232;
// The view never reaches straight up or down, where the look-at up vector would be undefined.
constexpr float PitchLimit = 89.8f;

platform::Point windowCentre() {
    const platform::Rect window = platform::windowRect();
    return {window.left + ((window.right - window.left) >> 1),
            window.top + ((window.bottom - window.top) >> 1)};
}

void mouseLook(Camera& camera) {
    const platform::Point cursor = platform::cursorPosition();
    camera.cursorX = cursor.x;
    camera.cursorY = cursor.y;
    const platform::Point centre = windowCentre();
    const float yaw = static_cast<float>(centre.x - camera.cursorX) * camera.mouseSensitivity;
    const float pitchDelta = static_cast<float>(centre.y - camera.cursorY) * camera.mouseSensitivity;
    turnCamera(camera, yaw, pitchDelta);
    platform::setCursorPosition(centre);
}

} // namespace

void turnCamera(Camera& camera, float yawDegrees, float pitchDegrees) {
    if (yawDegrees != 0.0f)
        camera.setCenter(
            rotateAbout(camera.center(), camera.eye(), {0.0f, 1.0f, 0.0f}, yawDegrees * RadiansPerDegree));
    if (pitchDegrees != 0.0f) {
        const Vec3 rightAxis = normalise(cross(camera.center() - camera.eye(), camera.up()));
        const float pitch = cameraPitch(camera) + pitchDegrees;
        if (pitch > -PitchLimit && pitch < PitchLimit)
            camera.setCenter(
                rotateAbout(camera.center(), camera.eye(), rightAxis, pitchDegrees * RadiansPerDegree));
    }
}

void updateCamera(Camera& camera) {
    mouseLook(camera);

    const Vec3 view = camera.center() - camera.eye();
    const Vec3 forward = normalise(view) * camera.moveSpeed;
    const Vec3 right = normalise(cross(view, camera.up())) * camera.moveSpeed;
    Vec3 move;
    if (platform::keyHeld(camera.keyForward))
        move = forward * DeltaSeconds;
    if (platform::keyHeld(camera.keyBackward))
        move = move - forward * DeltaSeconds;
    if (platform::keyHeld(camera.keyLeft))
        move = move - right * DeltaSeconds;
    if (platform::keyHeld(camera.keyRight))
        move = move + right * DeltaSeconds;
    camera.setEye(camera.eye() + move);
    camera.setCenter(camera.center() + move);
}

void applyView(const Camera& camera) {
    gluLookAt(camera.eyeX, camera.eyeY, camera.eyeZ, camera.centerX, camera.centerY, camera.centerZ,
              camera.upX, camera.upY, camera.upZ);
}

float cameraPitch(const Camera& camera) {
    const Vec3 view = normalise(camera.center() - camera.eye());
    const Vec3 level = normalise({view.x, 0.0f, view.z});
    const float degrees = static_cast<float>(angleBetween(view, level) * DegreesPerRadian);
    return view.y < 0.0f ? -degrees : degrees;
}
