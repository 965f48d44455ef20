#pragma once

#include "client/render/Camera.h"

#include <optional>

// The moves of the ordinary camera, beside free flight: panning over the ground, zooming along the
// view and going back to the start pose. Pure arithmetic on the camera record.

// The ground rectangle the point looked at may range over, in world units.
struct GroundArea {
    float minX = 0.0f, maxX = 0.0f;
    float minZ = 0.0f, maxZ = 0.0f;
};

// The loaded map's rectangle; none while no map is loaded.
std::optional<GroundArea> mapGroundArea();

// Distances from the eye to the point looked at that zooming keeps to.
constexpr float NearestZoom = 40.0f;
constexpr float FarthestZoom = 200.0f;

// Slides eye and center together over the ground, `rightward` along the view's right and
// `forward` along the view's direction flattened onto the ground, so height and angle stay. Then
// the point looked at is held inside `area`.
void panCamera(Camera& camera, float rightward, float forward, const std::optional<GroundArea>& area);

// Moves the eye along the view toward the point looked at (positive notches) or away from it,
// each notch a fixed share of the distance, which stays between the two zoom limits.
void zoomCamera(Camera& camera, int notches);

// Eye, center and up as the game starts.
void restoreStartPose(Camera& camera);
