#include "sim/objects/UnitResponseSwitch.h"

UnitResponseSwitch& UnitResponseSwitch::getInstance() {
    static UnitResponseSwitch instance;
    return instance;
}
