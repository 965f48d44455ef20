#pragma once

#include "sim/objects/IntervalTimer.h"

#include <cstdint>
#include <limits>

// The combat numbers of an object.
class FightableData {
public:
    virtual ~FightableData() = default;

    virtual int32_t getDamage() const { return damage; }
    virtual int32_t getArmour() const { return armour; }
    virtual double getRange() const { return range; }
    virtual double getSplashRadius() const { return splashRadius; }
    // Never below 0, although the stored value can be.
    virtual int32_t getHp() const { return hp > 0 ? hp : 0; }
    virtual int32_t getMaxHp() const { return maxHp; }
    virtual double getHpPercent() const;
    virtual int32_t getCooldown() const { return attackTimer.interval; }
    // Loses the hit points and logs what is left.
    virtual void takeDamage(int32_t amount);

    void setHp(int32_t value) { hp = value; }

protected:
    int32_t damage = 0;
    int32_t armour = 0;
    double range = 0.0;
    double splashRadius = 0.0;
    int32_t hp = 0;
    int32_t maxHp = 0;
    IntervalTimer attackTimer{-1, std::numeric_limits<int32_t>::max()}; // interval = cooldown
};
