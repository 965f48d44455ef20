#pragma once

#include "Image.h"
#include "files/WorldFile.h"

#include <vector>

// The contact sheet of the map: on the left the height layer (shaded relief), on the right the
// texture layer (each cell in its ground's mean colour, bare cells dark green); both carry the
// camera's start view (a white frame), metal piles (silver), oil piles (black) and the base
// centres (player 1 blue, player 2 red).
Image mapPreview(const WorldFile& map, const std::vector<Rgb>& groundColours);

// The map's picture in the menu: `side` pixels square, the whole map scaled to fit and centred on
// dark grey, row 0 at the top; the ground, piles and base centres as on the contact sheet's right,
// without the camera's frame.
Image mapPicture(const WorldFile& map, const std::vector<Rgb>& groundColours, int side);
constexpr int MapPictureSide = 192;
