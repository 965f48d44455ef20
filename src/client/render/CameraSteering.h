#pragma once

#include "client/render/Camera.h"
#include "client/render/CameraMoves.h"
#include "platform/Platform.h"

// The ordinary camera's input, one call per frame while free flight is off: the arrow keys and
// the cursor resting at the window's edge pan, the wheel zooms toward the point under the cursor
// and Home goes back to the start. The view never shows beyond the map's edge. When the camera
// comes to rest after moving, its pose goes to the log ("CAMERA eye (x, y, z) center (x, y, z)"),
// so a session can be followed and replayed.
class CameraSteering {
public:
    // Panning covers this share of the view's width a second, whatever the zoom.
    static constexpr float PanViewsPerSecond = 0.5f;
    static constexpr float LongestPanSeconds = 0.1f; // of one frame's pan
    // The cursor this close to an edge of the window pans that way.
    static constexpr int EdgePixels = 4;

    void steer(Camera& camera, int wheelNotches);

private:
    bool moving = false;
    // The pose the last call left, so that a move made between calls (the minimap's, a key's) counts.
    Vec3 lastEye = Camera{}.eye();
    Vec3 lastCenter = Camera{}.center();
};

// The game view's shape in the window as it is now: its aspect and the panel along its bottom.
ViewShape gameViewShape();

// Where the ray through a point of the window (client coordinates, y down) meets the ground plane at
// `height`; none when the point is off the window or the ray does not come down to the plane.
std::optional<Vec3> windowRayAt(const Camera& camera, const platform::Point& at, float height);

// The width of the ground the view shows across its middle, in world units.
float viewWidth(const Camera& camera, const ViewShape& shape);
