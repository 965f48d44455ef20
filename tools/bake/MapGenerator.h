#pragma once

#include "files/WorldFile.h"

#include <string>
#include <vector>

// A map the baker writes: its file name in data\maps\ and what the file holds.
struct GeneratedMap {
    std::string fileName;
    WorldFile world;
};

// The game's two-player maps, each with a flat border, a level yard round each base centre, metal
// and oil beside both bases and a few contested piles between them:
// - motac.ktqw, first: 200 x 200 cells of gentle hills, player 1's base centre where the camera
//   starts, player 2's across the map;
// - twin-passes.ktqw: a high ridge across the map between the bases, crossed by two low passes;
// - river-fords.ktqw: the bases either side of a long low river valley with three shallow fords.
std::vector<GeneratedMap> generateMaps();

// Height of corner (r, c) in world units, 0 <= r <= H, 0 <= c < W, read with the file's row
// stride of W.
float cornerLevel(const WorldFile& map, int row, int column);

// Terrain texture indices of the map, in the order of its texture names.
enum TerrainTexture : int32_t { NoTexture = -1, Grass = 0, Meadow = 1, Dirt = 2, Rock = 3 };
inline constexpr const char* TerrainTextureNames[] = {"grass.bmp", "meadow.bmp", "dirt.bmp", "rock.bmp"};

// Edge length of a cell in world units, and world units per stored height unit.
constexpr float MapCellSize = 3.75f;
constexpr float MapHeightScale = 100.0f;
