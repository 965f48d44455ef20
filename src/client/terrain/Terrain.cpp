#include "client/terrain/Terrain.h"

#include "client/terrain/TerrainGpu.h"
#include "files/World.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <cmath>

GroundCell HoverCell;

namespace {

constexpr GLubyte UntexturedGreen = 74;
// Lifts the grid off the ground so the depth test does not hide it in the terrain.
constexpr double GridLift = 0.3;

void drawLayers() {
    glDisable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (std::size_t k = 0; k < terrainGpu.layerCellCounts.size(); ++k) {
        glBindBuffer(GL_ARRAY_BUFFER, terrainGpu.layerVertexBuffers[k]);
        glVertexPointer(3, GL_FLOAT, 0, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, terrainGpu.layerTexCoordBuffers[k]);
        glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
        if (k == 0) {
            glColor3ub(0, UntexturedGreen, 0);
        } else {
            glEnable(GL_TEXTURE_2D);
            glColor3ub(255, 255, 255);
            glBindTexture(GL_TEXTURE_2D, terrainGpu.textures[k - 1].id);
        }
        glDrawArrays(GL_TRIANGLES, 0, terrainGpu.layerCellCounts[k] * 6);
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    // Later client-side arrays must not be read as offsets into a terrain buffer.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void gridVertex(int row, int column) {
    glVertex3d(CellSize * column - world.worldWidth / 2.0, HeightScale * world.height(row, column) + GridLift,
               CellSize * row - world.worldDepth / 2.0);
}

// The strips stop at the last cell's near corner: the far border lines are not drawn.
void drawGrid() {
    glColor3ub(0, 0, 0);
    glDisable(GL_TEXTURE_2D);
    for (int r = 0; r < world.rows; ++r) {
        glBegin(GL_LINE_STRIP);
        for (int c = 0; c < world.columns; ++c)
            gridVertex(r, c);
        glEnd();
    }
    for (int c = 0; c < world.columns; ++c) {
        glBegin(GL_LINE_STRIP);
        for (int r = 0; r < world.rows; ++r)
            gridVertex(r, c);
        glEnd();
    }
}

// The whole cells from the map's low edge to `offset` world units, truncated toward zero, so a
// point less than a cell outside the low edge still counts as cell 0; -1 outside [0, cells).
int cellIndex(double offset, int cells) {
    const double cell = std::trunc(offset / CellSize);
    return cell >= 0.0 && cell < cells ? static_cast<int>(cell) : -1;
}

} // namespace

void drawTerrain() {
    drawLayers();
    drawGrid();
}

void pickGroundCell(int x, int y) {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLfloat depth = 1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);

    GLdouble wx = 0.0, wy = 0.0, wz = 0.0;
    HoverCell = {-1, -1};
    if (gluUnProject(x, y, depth, modelView, projection, viewport, &wx, &wy, &wz) == GL_FALSE)
        return;
    const int row = cellIndex(wz + world.worldDepth / 2.0, world.rows);
    const int column = cellIndex(wx + world.worldWidth / 2.0, world.columns);
    if (row >= 0 && column >= 0)
        HoverCell = {row, column};
}
