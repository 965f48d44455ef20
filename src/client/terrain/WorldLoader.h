#pragma once

#include "files/World.h"
#include "files/WorldFile.h"

#include <optional>
#include <string>

// The map at `path`, read for a game to start on. A missing, truncated or inconsistent map shows
// mapUnavailableMessage and gives nothing: the game is then played on an empty map.
std::optional<MapFile> loadMap(const std::string& path);

// Builds what drawing `world` needs in `terrainGpu`, replacing what was there: its terrain
// textures, under "data\textures\worlds\" and mipmapped, one pair of vertex buffers per texture
// layer, the chunks and the grid lines. An empty world leaves it empty. Needs a current OpenGL
// context.
void loadTerrain(const World& world);
