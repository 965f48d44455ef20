#pragma once

#include "sim/objects/Builder.h"
#include "sim/objects/Moveable.h"

// A builder that walks to its site.
class MoveableBuilder : public Moveable, public Builder {
public:
    // Stops walking, restarts the build timer and drops the site.
    void stop() override;
    std::string getAbilityName() const override { return "MoveableBuilder"; }
    void onSiteOutOfReach() override;

    void attach(WorldObjectData& record, int32_t buildInterval);
};
