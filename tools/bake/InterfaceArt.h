#pragma once

#include "ModelData.h"
#include "NamedPicture.h"

#include <vector>

// The in-game interface: the panel's corner piece and bar (black is transparent), the unit
// thumbnails rendered from the models, and the selection circle. File names are relative to
// data/textures/.
std::vector<NamedPicture> interfaceArt(const std::vector<BakedModel>& models);

// The front-end menu's widgets and background, relative to data/textures/menu/.
std::vector<NamedPicture> menuArt();
