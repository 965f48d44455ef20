#pragma once

#include "sim/objects/IAbility.h"
#include "sim/objects/IntervalTimer.h"

#include <memory>

class IWorldObject;

// Works on a construction site in reach, one work step per build interval; when the site is
// finished or gone, moves on to the nearest remaining site.
class Builder : public IAbility {
public:
    static constexpr double Reach = 1.0;

    // Restarts the build timer and drops the site.
    void stop() override;
    virtual void onSiteOutOfReach() {}

    void attach(WorldObjectData& record, int32_t buildInterval);
    // Takes the object as the site if it is a construction site (of any owner).
    bool buildAt(std::shared_ptr<IWorldObject> object);
    void update();

    const std::shared_ptr<IWorldObject>& getSite() const { return site; }

protected:
    void leaveSite();

private:
    void moveToNearestSite();

    IntervalTimer buildTimer{-1, 10000000};
    std::shared_ptr<IWorldObject> site;
};
