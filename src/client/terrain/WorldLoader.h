#pragma once

#include "files/WorldFile.h"

#include <string>

// Reads the map at `path` into the process-wide `world`, builds what drawing it needs in
// `terrainGpu` (its terrain textures, under "data\textures\worlds\" and mipmapped, and one pair
// of vertex buffers per texture layer) and calls `create` for each object the map places, in file
// order. A missing, truncated or inconsistent map shows mapUnavailableMessage, leaves the world
// and terrainGpu empty, places nothing and returns false. Needs a current OpenGL context.
bool loadWorld(const std::string& path, const CreateMapObject& create);
