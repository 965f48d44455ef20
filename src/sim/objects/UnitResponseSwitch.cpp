#include "sim/objects/UnitResponseSwitch.h"

#include "core/Clock.h"

#include <cstdlib>

UnitResponseSwitch& UnitResponseSwitch::getInstance() {
    static UnitResponseSwitch instance;
    return instance;
}

UnitResponseSwitch::UnitResponseSwitch() {
    std::srand(static_cast<unsigned>(currentTime()));
}
