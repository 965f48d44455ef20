#include "files/MeshNormals.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_map>

namespace {

constexpr float Tolerance = 0.001f;
// Wider than the tolerance, so every corner that shares a position lies in a neighbouring cell.
constexpr double HashCellSize = 0.002;
constexpr double FarthestCell = 4.0e18;

struct Key {
    int64_t x = 0;
    int64_t y = 0;
    int64_t z = 0;

    bool operator==(const Key&) const = default;
};

struct KeyHash {
    std::size_t operator()(const Key& k) const {
        const uint64_t h = static_cast<uint64_t>(k.x) * 0x9E3779B97F4A7C15ull ^
                           static_cast<uint64_t>(k.y) * 0xC2B2AE3D27D4EB4Full ^
                           static_cast<uint64_t>(k.z) * 0x165667B19E3779F9ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

bool isFinite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Huge coordinates all land in the outermost cell; the exact test below still decides.
int64_t cellOf(float v) {
    return static_cast<int64_t>(std::clamp(std::floor(v / HashCellSize), -FarthestCell, FarthestCell));
}

Key cellKey(const Vec3& p) {
    return {cellOf(p.x), cellOf(p.y), cellOf(p.z)};
}

// Corners at the same position share one normal; -0 and +0 are the same position.
Key positionKey(const Vec3& p) {
    const auto bits = [](float v) {
        return static_cast<int64_t>(std::bit_cast<uint32_t>(v == 0.0f ? 0.0f : v));
    };
    return {bits(p.x), bits(p.y), bits(p.z)};
}

using CellMap = std::unordered_map<Key, std::vector<uint32_t>, KeyHash>;

CellMap cornersByCell(const std::vector<Vec3>& positions) {
    CellMap cells;
    cells.reserve(positions.size());
    for (uint32_t i = 0; i < positions.size(); ++i)
        if (isFinite(positions[i]))
            cells[cellKey(positions[i])].push_back(i);
    return cells;
}

// The faces, in ascending order, that have a corner sharing position p.
void facesSharing(const Vec3& p, const std::vector<Vec3>& positions, const CellMap& cells,
                  std::vector<uint32_t>& faces) {
    faces.clear();
    const Key centre = cellKey(p);
    for (int64_t dx = -1; dx <= 1; ++dx)
        for (int64_t dy = -1; dy <= 1; ++dy)
            for (int64_t dz = -1; dz <= 1; ++dz) {
                const auto cell = cells.find({centre.x + dx, centre.y + dy, centre.z + dz});
                if (cell == cells.end())
                    continue;
                for (const uint32_t corner : cell->second)
                    if (sharesPosition(positions[corner], p))
                        faces.push_back(corner / 3);
            }
    std::sort(faces.begin(), faces.end());
    faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
}

std::vector<Vec3> smoothCornerNormals(const std::vector<Vec3>& positions,
                                      const std::vector<Vec3>& faceNormals) {
    const CellMap cells = cornersByCell(positions);
    std::unordered_map<Key, Vec3, KeyHash> byPosition;
    std::vector<uint32_t> faces;
    std::vector<Vec3> normals(positions.size());
    for (std::size_t corner = 0; corner < positions.size(); ++corner) {
        const Vec3& p = positions[corner];
        // A corner with a non-finite coordinate shares its position with nothing but itself.
        if (!isFinite(p)) {
            normals[corner] = normalise(faceNormals[corner / 3]);
            continue;
        }
        const Key key = positionKey(p);
        const auto known = byPosition.find(key);
        if (known != byPosition.end()) {
            normals[corner] = known->second;
            continue;
        }
        facesSharing(p, positions, cells, faces);
        Vec3 sum;
        for (const uint32_t face : faces)
            sum = sum + faceNormals[face];
        normals[corner] = byPosition[key] = normalise(sum);
    }
    return normals;
}

} // namespace

Vec3 faceNormal(const Vec3& p, const Vec3& q, const Vec3& r) {
    return normalise(cross(p - q, q - r));
}

bool sharesPosition(const Vec3& a, const Vec3& b) {
    return std::fabs(a.x - b.x) < Tolerance && std::fabs(a.y - b.y) < Tolerance &&
           std::fabs(a.z - b.z) < Tolerance;
}

void computeNormals(MeshShape& shape, bool flat) {
    const auto& p = shape.positions;
    shape.faceNormals.resize(p.size() / 3);
    for (std::size_t face = 0; face < shape.faceNormals.size(); ++face)
        shape.faceNormals[face] = faceNormal(p[3 * face], p[3 * face + 1], p[3 * face + 2]);
    shape.cornerNormals.clear();
    if (!flat)
        shape.cornerNormals = smoothCornerNormals(p, shape.faceNormals);
}
