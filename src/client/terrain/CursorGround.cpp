#include "client/terrain/CursorGround.h"

#include "client/render/CameraSteering.h"
#include "sim/game/GameMap.h"

namespace {

// Gentle hills settle within a few steps; a steep slope seen from low settles near enough.
constexpr int Refinements = 4;

GridPosition gridOf(const World& map, const Vec3& point) {
    return {(point.x + map.worldWidth / 2.0) / CellSize, (point.z + map.worldDepth / 2.0) / CellSize};
}

} // namespace

std::optional<GridPosition> groundUnderCursor(const Camera& camera) {
    const World& map = gameMap();
    if (map.columns <= 0)
        return std::nullopt;
    float level = camera.centerY;
    std::optional<GridPosition> at;
    for (int step = 0; step < Refinements; ++step) {
        const std::optional<Vec3> ground = cursorRayAt(camera, level);
        if (!ground)
            return std::nullopt;
        at = gridOf(map, *ground);
        level = static_cast<float>(groundPoint(at->z, at->x).y);
    }
    if (at->x < 0.0 || at->z < 0.0 || at->x >= map.columns || at->z >= map.rows)
        return std::nullopt;
    return at;
}
