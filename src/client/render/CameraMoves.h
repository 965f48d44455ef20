#pragma once

#include "client/render/Camera.h"

#include <array>
#include <optional>

// The moves of the ordinary camera, beside free flight: panning over the ground, zooming along the
// view, keeping the view over the map and going back to the start pose. Pure arithmetic on the
// camera record.

// The vertical field of view of the perspective projection, in degrees.
constexpr float VerticalFieldOfView = 45.0f;

// The ground rectangle the view may range over, in world units, and the height of the ground along
// its edge, where the view meets the map's border.
struct GroundArea {
    float minX = 0.0f, maxX = 0.0f;
    float minZ = 0.0f, maxZ = 0.0f;
    float edgeHeight = 0.0f;
};

// The game view's shape: the window's width over its height, and the share of its height the panel
// covers along the bottom.
struct ViewShape {
    float aspect = 4.0f / 3.0f;
    float panelShare = 0.0f;
};

// The loaded map's rectangle, at the lowest height along its border; none while no map is loaded.
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
// The same toward `anchor`, a point on the ground, which stays where the view shows it: the wheel
// zooms toward the point under the cursor.
void zoomCameraToward(Camera& camera, int notches, Vec3 anchor);

// Where the rays through the corners of the game view above the panel meet the ground plane at
// `height`: lower left, lower right, upper right, upper left. None when one of them does not
// come down to it (the view reaches the horizon).
std::optional<std::array<Vec3, 4>> viewFootprint(const Camera& camera, const ViewShape& shape, float height);
// Where the ray through a point of the game view (x and y from -1 to 1 across the whole window, y
// up) meets the ground plane at `height`.
std::optional<Vec3> groundUnder(const Camera& camera, const ViewShape& shape, float x, float y, float height);

// Slides the camera as little as needed for the ground it shows above the panel to lie inside
// `area`, so that at an edge or a corner the terrain still fills the view; a view wider than the
// map is centred on it. A view that reaches the horizon only keeps the point looked at inside.
void keepOverMap(Camera& camera, const ViewShape& shape, const GroundArea& area);

// Slides the camera so that it looks at the ground point (x, z), as near as the map allows.
void centreCamera(Camera& camera, float x, float z, const ViewShape& shape,
                  const std::optional<GroundArea>& area);

// The view Home brings back: eye, center and up as the game started (a skirmish starts over the
// player's base, wherever the map has put it). The camera's start pose until a game keeps its own.
void keepHomePose(const Camera& camera);
void restoreHomePose(Camera& camera);
