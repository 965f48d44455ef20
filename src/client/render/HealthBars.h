#pragma once

#include "sim/manager/ObjectList.h"
#include "sim/manager/SelectedObjects.h"

#include <cstdint>
#include <vector>

class IWorldObject;

// One bar over an object: how much of its hit points it has left, from 0 to 1.
struct HealthBar {
    const IWorldObject* object = nullptr;
    float fraction = 1.0f;
};

// Which objects carry a bar, in world order: every selected object that has hit points, and every
// damaged unit or building of the player. A site is not damaged for being unfinished; it carries a
// bar only while selected.
std::vector<HealthBar> healthBarsToShow(const ObjectList& world, const SelectedObjects& selection,
                                        int32_t player);

// In the 3-D view: a bar above each object's model, drawn flat in window pixels.
void drawHealthBars(const std::vector<HealthBar>& bars);
