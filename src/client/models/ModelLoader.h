#pragma once

#include "client/models/ModelGpu.h"
#include "files/Model.h"

#include <string>

// Fills `model` from the .ktqm file at `path` and returns what drawing it needs: parses it, loads
// each texture (its name after `texturePrefix`, linear filtering) and makes the model's occlusion
// query. A missing file, a wrong first line or a truncated or inconsistent file shows
// modelUnavailableMessage, leaves the model empty and returns no textures and no query. Needs a
// current OpenGL context.
ModelGpu loadModel(Model& model, const std::string& path, const std::string& texturePrefix);
