#pragma once

#include "client/render/Camera.h"

// The ordinary camera's input, one call per frame while free flight is off: the arrow keys and
// the cursor resting at the window's edge pan, the wheel zooms and Home goes back to the start.
// When the camera comes to rest after moving, its pose goes to the log ("CAMERA eye (x, y, z)
// center (x, y, z)"), so a session can be followed and replayed.
class CameraSteering {
public:
    // Pan speed at the start distance, world units per second; it grows with the distance, so the
    // picture moves at the same pace at every zoom.
    static constexpr float PanSpeed = 120.0f;
    // The cursor this close to an edge of the window pans that way.
    static constexpr int EdgePixels = 4;

    void steer(Camera& camera, int wheelNotches);

private:
    bool moving = false;
};
