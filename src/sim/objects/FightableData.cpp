#include "sim/objects/FightableData.h"

#include "core/Log.h"

double FightableData::getHpPercent() const {
    // Whole-number division, as the panel shows it; a record without hit points reads 0.
    return maxHp > 0 ? 100.0 * (hp / maxHp) : 0.0;
}

void FightableData::takeDamage(int32_t amount) {
    hp -= amount;
    Log << "FightableData(" << static_cast<const void*>(this) << ") has now " << hp << " HP\n";
}
