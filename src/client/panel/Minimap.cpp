#include "client/panel/Minimap.h"

#include "client/render/CameraMoves.h"
#include "client/render/CameraSteering.h"
#include "client/terrain/TerrainGpu.h"
#include "core/Input.h"
#include "sim/game/GameMap.h"
#include "sim/objects/IWorldObject.h"

#include <GL/glew.h>

#include <algorithm>
#include <array>

Minimap minimap;

namespace {

constexpr int Margin = 8;
constexpr float DotSize = 3.0f;

// A cell's colour: its layer's, lit from the upper left by the slope of its ground, so hills show.
std::array<uint8_t, 3> cellColour(const World& world, int row, int column) {
    const std::size_t cell = static_cast<std::size_t>(row) * world.columns + column;
    const auto layer = static_cast<std::size_t>(world.cellTextures[cell] + 1);
    const std::array<uint8_t, 3> base = layer < terrainGpu.layerColours.size()
                                            ? terrainGpu.layerColours[layer]
                                            : std::array<uint8_t, 3>{0, 74, 0};
    const float slope = world.height(row + 1, column + 1) - world.height(row, column);
    const float light = std::clamp(1.0f - 12.0f * slope, 0.6f, 1.4f);
    std::array<uint8_t, 3> lit{};
    for (std::size_t c = 0; c < 3; ++c)
        lit[c] = static_cast<uint8_t>(std::min(255.0f, static_cast<float>(base[c]) * light));
    return lit;
}

// A grid position's place in the square: columns to the right, rows down, as the start view has them.
std::array<float, 2> inSquare(const WindowArea& square, const World& world, double x, double z) {
    const float size = static_cast<float>(square.right - square.left);
    return {static_cast<float>(square.left) + static_cast<float>(x / world.columns) * size,
            static_cast<float>(square.top) - static_cast<float>(z / world.rows) * size};
}

using Corner = std::array<float, 2>;

// The polygon cut to the square's side `axis` (0 x, 1 y) at `edge`, keeping the side `keep` says.
std::vector<Corner> cutAt(const std::vector<Corner>& polygon, int axis, float edge, bool keepBelow) {
    std::vector<Corner> cut;
    const auto inside = [&](const Corner& c) { return keepBelow ? c[axis] <= edge : c[axis] >= edge; };
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Corner& from = polygon[i];
        const Corner& to = polygon[(i + 1) % polygon.size()];
        if (inside(from))
            cut.push_back(from);
        if (inside(from) != inside(to)) {
            const float t = (edge - from[axis]) / (to[axis] - from[axis]);
            cut.push_back({from[0] + (to[0] - from[0]) * t, from[1] + (to[1] - from[1]) * t});
        }
    }
    return cut;
}

// The outline within the square; drawing it cut, not with a scissor, keeps it right in the
// upside-down canvas the frame may be drawn in.
std::vector<Corner> cutToSquare(std::vector<Corner> polygon, const WindowArea& square) {
    polygon = cutAt(polygon, 0, static_cast<float>(square.left), false);
    polygon = cutAt(polygon, 0, static_cast<float>(square.right), true);
    polygon = cutAt(polygon, 1, static_cast<float>(square.bottom), false);
    return cutAt(polygon, 1, static_cast<float>(square.top), true);
}

} // namespace

WindowArea Minimap::area() const {
    const int32_t size = ClientHeight / 5;
    return {Margin, ClientHeight - Margin - size, Margin + size, ClientHeight - Margin};
}

GridPosition Minimap::gridAt(int x, int y) const {
    const WindowArea square = area();
    const World& world = gameMap();
    const double size = std::max(1, square.right - square.left);
    return {std::clamp((x - square.left + 0.5) / size, 0.0, 1.0) * world.columns,
            std::clamp((square.top - y - 0.5) / size, 0.0, 1.0) * world.rows};
}

std::optional<GridPosition> Minimap::drag(int x, int y, bool leftHeld) {
    const bool pressed = leftHeld && !leftWasHeld;
    leftWasHeld = leftHeld;
    if (pressed)
        dragging = area().contains(x, y) && gameMap().columns > 0;
    dragging = dragging && leftHeld;
    if (!dragging)
        return std::nullopt;
    return gridAt(x, y);
}

void Minimap::makeTerrainPicture() {
    const World& world = gameMap();
    pictureOfLoad = terrainGpu.loadNumber;
    std::vector<uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(world.columns) * world.rows * 3);
    // Texture rows go bottom up; the square shows row 0 at its top.
    for (int row = world.rows - 1; row >= 0; --row)
        for (int column = 0; column < world.columns; ++column)
            for (const uint8_t channel : cellColour(world, row, column))
                pixels.push_back(channel);
    if (terrainTexture == 0)
        glGenTextures(1, &terrainTexture);
    glBindTexture(GL_TEXTURE_2D, terrainTexture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, world.columns, world.rows, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

void Minimap::followObjects(const ObjectList& objects, uint32_t now) {
    if (dotsEver && now - dotsTaken < DotMilliseconds)
        return;
    dotsEver = true;
    dotsTaken = now;
    dots.clear();
    for (const auto& object : objects) {
        if (object->isDead())
            continue;
        const GridPosition at = object->getPosition();
        Dot dot{static_cast<float>(at.x), static_cast<float>(at.z), 200, 200, 200};
        if (object->getOwner() == 1)
            dot = {dot.x, dot.z, 50, 110, 255};
        else if (object->getOwner() == 2)
            dot = {dot.x, dot.z, 235, 45, 35};
        dots.push_back(dot);
    }
}

void Minimap::drawOutline(const Camera& camera, const WindowArea& square) const {
    const std::optional<GroundArea> ground = mapGroundArea();
    if (!ground)
        return;
    const std::optional<std::array<Vec3, 4>> footprint =
        viewFootprint(camera, gameViewShape(), ground->edgeHeight);
    if (!footprint)
        return;
    const World& world = gameMap();
    std::vector<Corner> outline;
    for (const Vec3& corner : *footprint)
        outline.push_back(inSquare(square, world, (corner.x + world.worldWidth / 2.0) / CellSize,
                                   (corner.z + world.worldDepth / 2.0) / CellSize));
    glColor3ub(255, 255, 255);
    glBegin(GL_LINE_LOOP);
    for (const Corner& corner : cutToSquare(std::move(outline), square))
        glVertex2f(corner[0], corner[1]);
    glEnd();
}

void Minimap::draw(const ObjectList& objects, const Camera& camera, uint32_t now) {
    const World& world = gameMap();
    if (world.columns <= 0 || world.rows <= 0)
        return;
    if (pictureOfLoad != terrainGpu.loadNumber)
        makeTerrainPicture();
    followObjects(objects, now);
    const WindowArea square = area();

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, terrainTexture);
    glColor3ub(255, 255, 255);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(square.left, square.bottom);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(square.right, square.bottom);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(square.right, square.top);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(square.left, square.top);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    glPointSize(DotSize);
    glBegin(GL_POINTS);
    for (const Dot& dot : dots) {
        const auto at = inSquare(square, world, dot.x, dot.z);
        glColor3ub(dot.red, dot.green, dot.blue);
        glVertex2f(at[0], at[1]);
    }
    glEnd();
    glPointSize(1.0f);
    drawOutline(camera, square);
}
