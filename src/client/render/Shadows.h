#pragma once

#include "sim/manager/ObjectList.h"

// The option of soft shadows: a dark blurred disc on the ground under every unit and building,
// as wide as its model. Off until the player switches it on.
void setShadows(bool on);
bool shadowsOn();

// In the 3-D view, after the ground and before the objects: blended, writing no depth, so the
// objects drawn over them are untouched.
void drawShadows(const ObjectList& objects);
