#pragma once

#include <string>

struct WorldObjectData;

// Something a world object can do. Abilities are base parts of the concrete object and reach its
// position, owner and model through the object's record.
class IAbility {
public:
    virtual ~IAbility() = default;

    // Ends what the ability is doing.
    virtual void stop() = 0;
    virtual std::string getAbilityName() const = 0;

protected:
    WorldObjectData* object = nullptr;
};
