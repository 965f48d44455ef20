#pragma once

#include "client/render/Camera.h"
#include "client/render/SelectionRect.h"
#include "sim/manager/ObjectList.h"
#include "sim/objects/GridPosition.h"

#include <cstdint>
#include <optional>
#include <vector>

// The map from above in the top-left corner of the game view: a square a fifth of the window's
// height with the terrain in its colours, every object as a dot (side 1 blue, side 2 red, the
// neutral piles light grey) and the ground the camera shows outlined. A left press on it, and its
// drag, moves the view there; a right click on it orders the selection to walk there.
class Minimap {
public:
    // The dots follow the objects at most this often: a crowd costs the frame nothing between.
    static constexpr uint32_t DotMilliseconds = 250;

    // Its square in window pixels (origin lower left), from the window's size.
    WindowArea area() const;
    // The grid position a window pixel of the square stands for.
    GridPosition gridAt(int x, int y) const;

    // Follows the left button over the square, once a frame: while a press that began on it is
    // held, the ground under the cursor, else nothing.
    std::optional<GridPosition> drag(int x, int y, bool leftHeld);

    // In 2-D mode. The terrain's picture is made again when the map changes.
    void draw(const ObjectList& objects, const Camera& camera, uint32_t now);

private:
    struct Dot {
        float x = 0.0f, z = 0.0f;
        uint8_t red = 0, green = 0, blue = 0;
    };

    void makeTerrainPicture();
    void followObjects(const ObjectList& objects, uint32_t now);
    void drawOutline(const Camera& camera, const WindowArea& square) const;

    uint32_t terrainTexture = 0;
    uint32_t pictureOfLoad = 0;
    std::vector<Dot> dots;
    uint32_t dotsTaken = 0;
    bool dotsEver = false;
    bool dragging = false;
    bool leftWasHeld = false;
};

extern Minimap minimap;
