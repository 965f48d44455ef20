#pragma once

#include "sim/objects/GridPosition.h"
#include "sim/objects/IUpdateDead.h"
#include "sim/objects/WorldObjectData.h"

#include <memory>
#include <string>

// Every thing that stands on the map. Concrete objects derive from this and from the abilities
// they combine; code that holds an IWorldObject finds its abilities by dynamic_cast.
class IWorldObject : public IUpdateDead {
public:
    // Logs the creation and gives the object the model of its type in its owner's colour.
    explicit IWorldObject(WorldObjectData record);
    ~IWorldObject() override;
    IWorldObject(const IWorldObject&) = delete;
    IWorldObject& operator=(const IWorldObject&) = delete;

    // Draws the model on the ground under the object.
    virtual void render();
    // An order to a ground point.
    virtual void moveTo(double /*x*/, double /*z*/) {}
    // An order on another object.
    virtual void actOn(std::shared_ptr<IWorldObject> /*object*/) {}
    // An order to walk to a ground point and fight what comes within range on the way; what
    // cannot fight just walks.
    virtual void attackMoveTo(double x, double z) { moveTo(x, z); }
    // The stop order: give up whatever the object was told to do.
    virtual void halt() {}
    // A unit, which walks where it is sent, rather than a building or a pile. (A Worker holds more
    // than one Moveable part, so a cast cannot tell.)
    virtual bool walks() const { return false; }
    // The owner's name for the object's type.
    virtual std::string getName() const;
    virtual std::string getState() const { return "No state"; }
    virtual GridPosition getPosition() const { return data.position(); }

    WorldObjectType getType() const { return data.type; }
    int32_t getOwner() const { return data.owner; }
    ModelInstance* getModel() const { return data.model.get(); }
    void setPosition(double x, double z);
    // The watcher told of every later move; null stops the telling.
    void setPositionWatcher(PositionWatcher* watcher) { data.watcher = watcher; }

protected:
    // Replaces the model with one of `type` in the owner's colour.
    void useModelOf(WorldObjectType type);

    WorldObjectData data;
};

// The colour a player's models wear, red in the lowest byte.
uint32_t teamColour(int32_t owner);
