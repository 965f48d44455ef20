#pragma once

#include "sim/economy/ResourceNames.h"
#include "sim/economy/ResourceReceiver.h"
#include "sim/objects/WorldObjectData.h"
#include "sim/players/PlayerManager.h"

// A receiver of one resource kind. The resources go to the owner of the receiving building,
// whoever brought them; the other kind stays in the load.
template <ResourceType Kind> class ResourceReceiverType : public ResourceReceiver {
public:
    std::string getAbilityName() const override { return getResourceName(Kind); }

    bool receive(ResourceSack& load) override {
        const int32_t amount = load.amounts[Kind];
        if (amount == 0)
            return false;
        ResourceSack delivered;
        delivered.amounts[Kind] = amount;
        return moveResources(delivered, load,
                             PlayerManager::getInstance()->getPlayer(object->owner).getResources());
    }
};
