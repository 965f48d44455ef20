#pragma once

#include "ModelData.h"

#include <vector>

// The ten models of the game, in the registry's order, each with its skin.
std::vector<BakedModel> buildModels();

// The model of that file name among `models`; throws std::logic_error when there is none.
const BakedModel& modelNamed(const std::vector<BakedModel>& models, const std::string& fileName);

BakedModel buildMarine();
BakedModel buildWorker();
BakedModel buildBarracks();
BakedModel buildBaseCentre();
BakedModel buildOilRefinery();
BakedModel buildMetalPile();
BakedModel buildOilPile();
BakedModel buildScout();
BakedModel buildBullet();
BakedModel buildSplashShell();

// The registry's two texture folders, as the game writes them.
inline constexpr const char* SharedTextureFolder = "data\\textures\\models\\";
inline constexpr const char* ModelsFolder = "data/models/";
