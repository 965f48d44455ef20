#pragma once

#include "sim/manager/ObjectList.h"
#include "sim/manager/ObjectSelecter.h"

#include <memory>

// The objects of the view whose picking colour shows inside the window rectangle spanned by
// (x1, y1) and (x2, y2), y counted up from the bottom of the client area, in list order. Each
// object that has a model and was visible at its last draw takes the next id and draws its box
// in that colour; the pixels are read back and decoded. A click (x1 = x2, y1 = y2) reads one
// pixel and finds the front object there; a drag also takes every such object whose box centre
// lies inside the rectangle, though others cover it. The caller prepares the frame: white clear colour,
// cleared buffers, the camera view.
std::unique_ptr<ObjectList> selectInScreenRect(const ObjectSelecter& view, int x1, int y1, int x2, int y2);
