#include "client/terrain/TerrainGpu.h"

TerrainGpu terrainGpu;
