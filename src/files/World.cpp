#include "files/World.h"

#include <algorithm>
#include <cmath>

World::World(const WorldFile& file)
    : columns(file.columns), rows(file.rows), cornerHeights(file.cornerHeights),
      cellTextures(file.cellTextures), textureNames(file.textureNames),
      worldWidth(static_cast<float>(CellSize * file.columns)),
      worldDepth(static_cast<float>(CellSize * file.rows)) {}

float World::height(int row, int column) const {
    const std::size_t index = static_cast<std::size_t>(row) * columns + column;
    return index < cornerHeights.size() ? cornerHeights[index] : 0.0f;
}

WorldPoint World::groundPoint(double z, double x) const {
    WorldPoint point;
    point.x = CellSize * x - worldWidth / 2.0;
    point.z = CellSize * z - worldDepth / 2.0;
    if (columns <= 0 || rows <= 0)
        return point;

    // The plane reads row r + 1 and column c + 1, so the cell must lie inside the map.
    const double clampedZ = std::clamp(z, 0.0, static_cast<double>(rows) - 1e-9);
    const double clampedX = std::clamp(x, 0.0, static_cast<double>(columns) - 1e-9);
    const int r = static_cast<int>(std::floor(clampedZ));
    const int c = static_cast<int>(std::floor(clampedX));
    const double h00 = height(r, c);
    const double h10 = height(r + 1, c);
    const double h01 = height(r, c + 1);
    const double h = h00 + (h10 - h00) * (clampedZ - r) + (h01 - h00) * (clampedX - c);
    point.y = HeightScale * h;
    return point;
}
