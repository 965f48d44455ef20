#pragma once

#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

#include <memory>

// A building under construction. It stands in the world in the building's place and grows with
// every builder's work step; when the work is done it hands the building to the world, which
// starts with the site's hit points, and the site disappears.
class Construction : public IWorldObject, public Fightable {
public:
    static constexpr int32_t WorkPerStep = 5;

    // Takes the unfinished building; the site stands at its place for its owner.
    explicit Construction(std::unique_ptr<IWorldObject> building);

    // Finished (building handed over) or destroyed.
    bool isDead() const override;
    void update() override;
    void onRemove() override;
    // The building rising from the ground as work is done.
    void render() override;
    std::string getName() const override;
    std::string getState() const override;
    // Only after the first work step.
    bool isTargetable() const override { return progress > 1; }

    void workStep();
    int32_t getProgress() const { return progress; }
    // The type of the building that rises here; the site's own once it is handed over.
    WorldObjectType buildingType() const { return building ? building->getType() : getType(); }

private:
    std::unique_ptr<IWorldObject> building;
    int32_t progress = 1;
};
