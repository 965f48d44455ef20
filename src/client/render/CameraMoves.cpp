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

} // namespace

std::optional<GroundArea> mapGroundArea() {
    const World& world = gameMap();
    if (world.columns <= 0 || world.rows <= 0)
        return std::nullopt;
    return GroundArea{-world.worldWidth / 2.0f, world.worldWidth / 2.0f, -world.worldDepth / 2.0f,
                      world.worldDepth / 2.0f};
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
    const Vec3 towardEye = camera.eye() - camera.center();
    const float distance = length(towardEye);
    const float wanted =
        std::clamp(distance * std::pow(ZoomStep, static_cast<float>(notches)), NearestZoom, FarthestZoom);
    camera.setEye(camera.center() + towardEye * (wanted / distance));
}

void restoreStartPose(Camera& camera) {
    const Camera start;
    camera.setEye(start.eye());
    camera.setCenter(start.center());
    camera.upX = start.upX;
    camera.upY = start.upY;
    camera.upZ = start.upZ;
}
