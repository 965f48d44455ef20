#pragma once

#include "sim/economy/ResourceSack.h"

// A player's stock: a refused payment also tells the player what was missing.
class PlayerResourceSack : public ResourceSack {
public:
    PlayerResourceSack(int32_t playerId, int32_t capacity, int32_t metal, int32_t oil)
        : ResourceSack(capacity, metal, oil), playerId(playerId) {}

    // On refusal posts one "Not enough ..." message per short kind, metal first.
    bool pay(const ResourceSack& cost) override;

private:
    int32_t playerId;
};
