#pragma once

#include "sim/objects/IUpdateDead.h"

// Something updated and drawn by the object manager beside the world objects.
class IUpdateDeadRender : public IUpdateDead {
public:
    virtual void render() = 0;
};
