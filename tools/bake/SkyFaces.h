#pragma once

#include "Geometry.h"
#include "NamedPicture.h"

#include <vector>

// The six faces of the sky cube, named as the game loads them (front, back, left, right, up,
// down). Each pixel is coloured from its direction seen from the cube's centre, so the faces
// meet without seams: a blue sky with soft clouds, a hazy horizon over distant hills, and a
// low afternoon sun.
std::vector<NamedPicture> skyFaces(int size);

// The colour of the sky in a direction (y up, unit length).
Rgb skyColour(Vec3 direction);
