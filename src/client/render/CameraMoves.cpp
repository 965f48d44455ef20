#include "client/render/CameraMoves.h"

#include "sim/game/GameMap.h"

#include <algorithm>
#include <cmath>

namespace {

// Each notch takes this share of the distance off (or, outward, puts it back).
constexpr float ZoomStep = 0.85f;

Vec3 flattened(Vec3 v) {
    return normalise({v.x, 0.0f, v.z});
}

// The lowest corner height along the map's border, in world units.
float edgeHeight(const World& world) {
    float lowest = world.height(0, 0);
    for (int c = 0; c <= world.columns; ++c)
        lowest = std::min({lowest, world.height(0, c), world.height(world.rows, c)});
    for (int r = 0; r <= world.rows; ++r)
        lowest = std::min({lowest, world.height(r, 0), world.height(r, world.columns)});
    return static_cast<float>(HeightScale) * lowest;
}

// The slide along one axis that brings [low, high] inside [minimum, maximum], or centres it there
// when it is the wider.
float slideInside(float low, float high, float minimum, float maximum) {
    const float least = minimum - low;
    const float most = maximum - high;
    return least > most ? (least + most) / 2.0f : std::clamp(0.0f, least, most);
}

void slide(Camera& camera, float x, float z) {
    camera.setEye(camera.eye() + Vec3{x, 0.0f, z});
    camera.setCenter(camera.center() + Vec3{x, 0.0f, z});
}

// Home's view; a game keeps its own when it starts.
Camera homePose;

} // namespace

std::optional<GroundArea> mapGroundArea() {
    const World& world = gameMap();
    if (world.columns <= 0 || world.rows <= 0)
        return std::nullopt;
    return GroundArea{-world.worldWidth / 2.0f, world.worldWidth / 2.0f, -world.worldDepth / 2.0f,
                      world.worldDepth / 2.0f, edgeHeight(world)};
}

void panCamera(Camera& camera, float rightward, float forward, const std::optional<GroundArea>& area) {
    const Vec3 view = camera.center() - camera.eye();
    Vec3 move = flattened(cross(view, camera.up())) * rightward + flattened(view) * forward;
    if (area) {
        const Vec3 target = camera.center() + move;
        move.x = std::clamp(target.x, area->minX, area->maxX) - camera.centerX;
        move.z = std::clamp(target.z, area->minZ, area->maxZ) - camera.centerZ;
    }
    camera.setEye(camera.eye() + move);
    camera.setCenter(camera.center() + move);
}

void zoomCamera(Camera& camera, int notches) {
    zoomCameraToward(camera, notches, camera.center());
}

// Scaling the whole view about the anchor keeps its direction and the anchor's place on screen.
void zoomCameraToward(Camera& camera, int notches, Vec3 anchor) {
    const float distance = length(camera.eye() - camera.center());
    const float wanted =
        std::clamp(distance * std::pow(ZoomStep, static_cast<float>(notches)), NearestZoom, FarthestZoom);
    const float scale = wanted / distance;
    camera.setEye(anchor + (camera.eye() - anchor) * scale);
    camera.setCenter(anchor + (camera.center() - anchor) * scale);
}

std::optional<Vec3> groundUnder(const Camera& camera, const ViewShape& shape, float x, float y,
                                float height) {
    const Vec3 forward = normalise(camera.center() - camera.eye());
    const Vec3 right = normalise(cross(forward, camera.up()));
    const Vec3 up = cross(right, forward);
    const float spread = std::tan(VerticalFieldOfView / 2.0f * 3.14159265f / 180.0f);
    const Vec3 ray = forward + right * (x * spread * shape.aspect) + up * (y * spread);
    if (ray.y >= 0.0f || camera.eyeY <= height)
        return std::nullopt;
    return camera.eye() + ray * ((height - camera.eyeY) / ray.y);
}

std::optional<std::array<Vec3, 4>> viewFootprint(const Camera& camera, const ViewShape& shape, float height) {
    const float bottom = -1.0f + 2.0f * shape.panelShare;
    const std::array<std::optional<Vec3>, 4> corners = {
        groundUnder(camera, shape, -1.0f, bottom, height), groundUnder(camera, shape, 1.0f, bottom, height),
        groundUnder(camera, shape, 1.0f, 1.0f, height), groundUnder(camera, shape, -1.0f, 1.0f, height)};
    std::array<Vec3, 4> footprint;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        if (!corners[i])
            return std::nullopt;
        footprint[i] = *corners[i];
    }
    return footprint;
}

void keepOverMap(Camera& camera, const ViewShape& shape, const GroundArea& area) {
    const std::optional<std::array<Vec3, 4>> footprint = viewFootprint(camera, shape, area.edgeHeight);
    if (!footprint) {
        panCamera(camera, 0.0f, 0.0f, area);
        return;
    }
    float minX = footprint->front().x, maxX = minX, minZ = footprint->front().z, maxZ = minZ;
    for (const Vec3& corner : *footprint) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minZ = std::min(minZ, corner.z);
        maxZ = std::max(maxZ, corner.z);
    }
    slide(camera, slideInside(minX, maxX, area.minX, area.maxX),
          slideInside(minZ, maxZ, area.minZ, area.maxZ));
}

void centreCamera(Camera& camera, float x, float z, const ViewShape& shape,
                  const std::optional<GroundArea>& area) {
    slide(camera, x - camera.centerX, z - camera.centerZ);
    if (area)
        keepOverMap(camera, shape, *area);
}

void keepHomePose(const Camera& camera) {
    homePose = camera;
}

void restoreHomePose(Camera& camera) {
    camera.setEye(homePose.eye());
    camera.setCenter(homePose.center());
    camera.upX = homePose.upX;
    camera.upY = homePose.upY;
    camera.upZ = homePose.upZ;
}
