#pragma once

#include "files/Model.h"

#include <vector>

// One flat mesh, untextured and without material, from its triangles' corners (three per face).
ModelMesh flatMesh(const std::string& name, const std::vector<Vec3>& corners);

// A model of the meshes (the one named "color_separator" wears the team colour) with its bounding
// box.
Model modelOf(std::vector<ModelMesh> meshes);

// A closed box from (-half, 0, -half) to (half, height, half).
ModelMesh boxMesh(const std::string& name, float half, float height);
