#include "client/terrain/Terrain.h"

#include "client/render/ViewTransform.h"
#include "client/terrain/TerrainGpu.h"
#include "sim/game/GameMap.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

GroundCell HoverCell;

namespace {

constexpr GLubyte UntexturedGreen = 74;

// Ranges of a vertex or index buffer for one multiple draw. A range that begins where the last one
// ends joins it; for line strips, whose pieces share their joining corner, where the last one's
// final corner is.
class DrawRanges {
public:
    explicit DrawRanges(GLint shared) : shared(shared) {}

    void add(GLint first, GLsizei count) {
        if (count <= shared)
            return;
        if (!firsts.empty() && firsts.back() + counts.back() - shared == first) {
            counts.back() += count - shared;
            return;
        }
        firsts.push_back(first);
        counts.push_back(count);
    }

    void draw(GLenum mode) const {
        glMultiDrawArrays(mode, firsts.data(), counts.data(), static_cast<GLsizei>(firsts.size()));
    }

    // The ranges as runs of the bound index buffer's 32-bit indices.
    void drawIndexed(GLenum mode) const {
        std::vector<const void*> offsets;
        offsets.reserve(firsts.size());
        for (GLint first : firsts)
            offsets.push_back(
                reinterpret_cast<const void*>(static_cast<std::uintptr_t>(first) * sizeof(GLuint)));
        glMultiDrawElements(mode, counts.data(), GL_UNSIGNED_INT, offsets.data(),
                            static_cast<GLsizei>(offsets.size()));
    }

private:
    GLint shared;
    std::vector<GLint> firsts;
    std::vector<GLsizei> counts;
};

// Which chunks the present view may show, row by row over the chunks.
std::vector<bool> chunksInView() {
    const ViewFrustum view = ViewFrustum::current();
    std::vector<bool> shown;
    shown.reserve(terrainGpu.chunkBoxes.size());
    for (const WorldBox& box : terrainGpu.chunkBoxes)
        shown.push_back(view.mayShow(box));
    return shown;
}

bool chunkShown(const std::vector<bool>& shown, int row, int column) {
    const int n = TerrainGpu::ChunkCells;
    return shown[static_cast<std::size_t>(row / n) * terrainGpu.chunkColumns + column / n];
}

// The layer's cells in the chunks shown, in the layer's own order: row by row, each row's runs
// inside shown chunks.
DrawRanges layerRanges(std::size_t layer, const std::vector<bool>& shown) {
    const std::vector<int32_t>& starts = terrainGpu.layerRunStarts[layer];
    DrawRanges ranges(0);
    for (std::size_t run = 0; run + 1 < starts.size(); ++run) {
        const int row = static_cast<int>(run / terrainGpu.chunkColumns);
        const int column = static_cast<int>(run % terrainGpu.chunkColumns) * TerrainGpu::ChunkCells;
        if (chunkShown(shown, row, column))
            ranges.add(starts[run] * 6, (starts[run + 1] - starts[run]) * 6);
    }
    return ranges;
}

void drawLayers(const std::vector<bool>& shown) {
    glDisable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, terrainGpu.cornerPositionBuffer);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, terrainGpu.cornerTexCoordBuffer);
    glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
    for (std::size_t k = 0; k < terrainGpu.layerCellCounts.size(); ++k) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, terrainGpu.layerIndexBuffers[k]);
        if (k == 0) {
            glColor3ub(0, UntexturedGreen, 0);
        } else {
            glEnable(GL_TEXTURE_2D);
            glColor3ub(255, 255, 255);
            glBindTexture(GL_TEXTURE_2D, terrainGpu.textures[k - 1].id);
        }
        layerRanges(k, shown).drawIndexed(GL_TRIANGLES);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

// The grid's strips cut at the chunks' edges, the pieces in shown chunks in the strips' order.
DrawRanges gridRanges(const std::vector<bool>& shown) {
    const int n = TerrainGpu::ChunkCells;
    const int rows = gameMap().rows, columns = gameMap().columns;
    DrawRanges ranges(1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; c += n)
            if (chunkShown(shown, r, c))
                ranges.add(r * columns + c, std::min(n, columns - 1 - c) + 1);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; r += n)
            if (chunkShown(shown, r, c))
                ranges.add(rows * columns + c * rows + r, std::min(n, rows - 1 - r) + 1);
    return ranges;
}

void drawGrid(const std::vector<bool>& shown) {
    glColor3ub(0, 0, 0);
    glDisable(GL_TEXTURE_2D);
    glBindBuffer(GL_ARRAY_BUFFER, terrainGpu.gridBuffer);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    gridRanges(shown).draw(GL_LINE_STRIP);
}

// The whole cells from the map's low edge to `offset` world units, truncated toward zero, so a
// point less than a cell outside the low edge still counts as cell 0; -1 outside [0, cells).
int cellIndex(double offset, int cells) {
    const double cell = std::trunc(offset / CellSize);
    return cell >= 0.0 && cell < cells ? static_cast<int>(cell) : -1;
}

} // namespace

void drawTerrain() {
    const std::vector<bool> shown = chunksInView();
    drawLayers(shown);
    drawGrid(shown);
    glDisableClientState(GL_VERTEX_ARRAY);
    // Later client-side arrays must not be read as offsets into a terrain buffer.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

// A ray into the map comes down through its ground before it reaches the plane of its lowest point,
// as the ground is nowhere lower; if that plane is met inside the map from above the highest hill,
// the ray meets the ground.
bool groundFillsView(const Camera& camera, const ViewShape& shape) {
    const std::optional<GroundArea> area = mapGroundArea();
    if (!area || camera.eyeY <= terrainGpu.highest)
        return false;
    const ViewShape whole{shape.aspect, 0.0f}; // the panel lets the scene show through in places
    const std::optional<std::array<Vec3, 4>> footprint = viewFootprint(camera, whole, terrainGpu.lowest);
    if (!footprint)
        return false;
    return std::all_of(footprint->begin(), footprint->end(), [&](const Vec3& corner) {
        return corner.x >= area->minX && corner.x <= area->maxX && corner.z >= area->minZ &&
               corner.z <= area->maxZ;
    });
}

void pickGroundCell(int x, int y) {
    GLfloat depth = 1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);

    double wx = 0.0, wy = 0.0, wz = 0.0;
    HoverCell = {-1, -1};
    if (!ViewTransform::current().unproject(x, y, depth, wx, wy, wz))
        return;
    const World& world = gameMap();
    const int row = cellIndex(wz + world.worldDepth / 2.0, world.rows);
    const int column = cellIndex(wx + world.worldWidth / 2.0, world.columns);
    if (row >= 0 && column >= 0)
        HoverCell = {row, column};
}
