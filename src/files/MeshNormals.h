#pragma once

#include "files/Model.h"

// The unit normal of the face p, q, r: (p - q) x (q - r), normalised. A face without area gets a
// zero normal, so it adds nothing where it is summed.
Vec3 faceNormal(const Vec3& p, const Vec3& q, const Vec3& r);

// Two corners share normals when they differ by less than 0.001 on each of x, y and z.
bool sharesPosition(const Vec3& a, const Vec3& b);

// Rebuilds the face normals and, unless the mesh is flat, the corner normals: a corner's normal
// is the normalised sum, in face order, of the unit normals of every face that has a corner
// sharing its position (its own face always counts, and a face counts once). Runs in near-linear
// time by hashing positions into cells wider than the tolerance.
void computeNormals(MeshShape& shape, bool flat);
