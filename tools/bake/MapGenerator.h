#pragma once

#include "files/WorldFile.h"

// The one map of the game: 200 x 200 cells of gentle hills with a flat border, player 1's base
// centre where the camera starts, player 2's across the map, metal and oil near both.
WorldFile generateMap();

// Height of corner (r, c) in world units, 0 <= r <= H, 0 <= c < W, read with the file's row
// stride of W.
float cornerLevel(const WorldFile& map, int row, int column);

// Terrain texture indices of the map, in the order of its texture names.
enum TerrainTexture : int32_t { NoTexture = -1, Grass = 0, Meadow = 1, Dirt = 2, Rock = 3 };
inline constexpr const char* TerrainTextureNames[] = {"grass.bmp", "meadow.bmp", "dirt.bmp", "rock.bmp"};

// Edge length of a cell in world units, and world units per stored height unit.
constexpr float MapCellSize = 3.75f;
constexpr float MapHeightScale = 100.0f;
