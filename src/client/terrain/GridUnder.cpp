#include "client/terrain/GridUnder.h"

#include "client/render/CameraSteering.h"
#include "sim/game/GameMap.h"

namespace {

// Gentle hills settle within a few steps; a steep slope seen from low settles near enough.
constexpr int Refinements = 4;

GridPosition gridOf(const World& map, const Vec3& point) {
    return {(point.x + map.worldWidth / 2.0) / CellSize, (point.z + map.worldDepth / 2.0) / CellSize};
}

} // namespace

std::optional<GridPosition> gridUnder(const Camera& camera, const platform::Point& at) {
    const World& map = gameMap();
    if (map.columns <= 0)
        return std::nullopt;
    float level = camera.centerY;
    std::optional<GridPosition> grid;
    for (int step = 0; step < Refinements; ++step) {
        const std::optional<Vec3> ground = windowRayAt(camera, at, level);
        if (!ground)
            return std::nullopt;
        grid = gridOf(map, *ground);
        level = static_cast<float>(groundPoint(grid->z, grid->x).y);
    }
    if (grid->x < 0.0 || grid->z < 0.0 || grid->x >= map.columns || grid->z >= map.rows)
        return std::nullopt;
    return grid;
}
