#pragma once

#include "NamedPicture.h"

#include <vector>

// The map's ground textures, seamless tiles in the order of the map's texture names (grass,
// meadow, dirt, rock). Their average tones sit close together, so the hard edges between cells
// of different ground stay quiet.
std::vector<NamedPicture> terrainTextures();

// The mean colour of a picture (the map preview paints each cell with its ground's mean).
Rgb meanColour(const Image& picture);
