#include "files/World.h"

#include <algorithm>
#include <cmath>

World world;

float World::height(int row, int column) const {
    const std::size_t index = static_cast<std::size_t>(row) * columns + column;
    return index < cornerHeights.size() ? cornerHeights[index] : 0.0f;
}

void World::setFromFile(const WorldFile& file) {
    *this = World{};
    columns = file.columns;
    rows = file.rows;
    cornerHeights = file.cornerHeights;
    cellTextures = file.cellTextures;
    cellFlags.assign(cellTextures.size(), 1);
    mapValue = file.mapValue;
    mapFlag = file.flagByte == 1;
    textureNames = file.textureNames;
    entries = file.entries;
    records = file.records;
    worldWidth = static_cast<float>(CellSize * columns);
    worldDepth = static_cast<float>(CellSize * rows);
}

WorldPoint groundPoint(double z, double x) {
    WorldPoint point;
    point.x = CellSize * x - world.worldWidth / 2.0;
    point.z = CellSize * z - world.worldDepth / 2.0;
    if (world.columns <= 0 || world.rows <= 0)
        return point;

    // The plane reads row r + 1 and column c + 1, so the cell must lie inside the map.
    const double clampedZ = std::clamp(z, 0.0, static_cast<double>(world.rows) - 1e-9);
    const double clampedX = std::clamp(x, 0.0, static_cast<double>(world.columns) - 1e-9);
    const int r = static_cast<int>(std::floor(clampedZ));
    const int c = static_cast<int>(std::floor(clampedX));
    const double h00 = world.height(r, c);
    const double h10 = world.height(r + 1, c);
    const double h01 = world.height(r, c + 1);
    const double h = h00 + (h10 - h00) * (clampedZ - r) + (h01 - h00) * (clampedX - c);
    point.y = HeightScale * h;
    return point;
}
