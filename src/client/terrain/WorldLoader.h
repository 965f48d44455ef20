#pragma once

#include "files/WorldFile.h"

#include <string>

// Reads the map at `path` into the process-wide `world`, loads its terrain textures (under
// "data\textures\worlds\", mipmapped), builds one pair of vertex buffers per texture layer and
// calls `create` for each object the map places, in file order. A missing, truncated or
// inconsistent map shows mapUnavailableMessage, leaves the world empty, places nothing and
// returns false. Needs a current OpenGL context.
bool loadWorld(const std::string& path, const CreateMapObject& create);
