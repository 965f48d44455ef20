#pragma once

#include "core/Vec3.h"

#include <cstdint>

// The one free-flying camera. The member values are the start pose the loading sequence writes.
struct Camera {
    float eyeX = -50.0f, eyeY = 120.0f, eyeZ = -50.0f;
    float centerX = -50.0f, centerY = 30.0f, centerZ = -70.0f;
    float upX = 0.0f, upY = 1.0f, upZ = 0.0f;
    float moveSpeed = 25.0f;          // world units per second
    float mouseSensitivity = 0.1f;    // degrees of turn per pixel of mouse travel
    int32_t cursorX = 0, cursorY = 0; // last cursor position read, screen pixels
    int32_t keyForward = 'W';
    int32_t keyBackward = 'S';
    int32_t keyLeft = 'A';
    int32_t keyRight = 'D';

    Vec3 eye() const { return {eyeX, eyeY, eyeZ}; }
    Vec3 center() const { return {centerX, centerY, centerZ}; }
    Vec3 up() const { return {upX, upY, upZ}; }
    void setEye(Vec3 v) {
        eyeX = v.x;
        eyeY = v.y;
        eyeZ = v.z;
    }
    void setCenter(Vec3 v) {
        centerX = v.x;
        centerY = v.y;
        centerZ = v.z;
    }
};

extern Camera camera;

// One frame of free flight: mouse-look with the cursor held at the window centre, then the
// movement keys, scaled by the frame time.
void updateCamera(Camera& camera);

// Turns the view about the eye: `yawDegrees` about the vertical axis, then `pitchDegrees` up,
// unless that would reach the vertical. Mouse-look turns by this each frame.
void turnCamera(Camera& camera, float yawDegrees, float pitchDegrees);

// Multiplies the current matrix by the camera's view (after the caller has loaded the identity).
void applyView(const Camera& camera);

// Degrees above the horizon; negative when looking down.
float cameraPitch(const Camera& camera);
