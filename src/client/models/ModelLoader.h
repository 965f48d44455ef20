#pragma once

#include "files/Model.h"

#include <string>

// Fills `model` from the .ktqm file at `path`: parses it, loads each texture (its name after
// `texturePrefix`, linear filtering) and makes the model's occlusion query. A missing file, a
// wrong first line or a truncated or inconsistent file shows modelUnavailableMessage and leaves
// the model empty. Needs a current OpenGL context.
void loadModel(Model& model, const std::string& path, const std::string& texturePrefix);
