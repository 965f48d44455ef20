#pragma once

#include "sim/manager/SelectedObjects.h"

// The panel filled from a selection: the read-out of the one selected object, or the pictures of
// several.
void drawSelectionInfo(const SelectedObjects& selection);
