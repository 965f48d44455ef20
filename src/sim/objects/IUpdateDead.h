#pragma once

// Anything the game updates once per pass and drops once it reports itself dead.
class IUpdateDead {
public:
    virtual ~IUpdateDead() = default;

    virtual bool isDead() const = 0;
    virtual void update() = 0;
    // Called when the owner drops a dead thing, so that it lets go of what it holds.
    virtual void onRemove() {}
};
