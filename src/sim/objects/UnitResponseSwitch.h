#pragma once

// Whether a unit's walk order plays its move acknowledgement. Orders turn it on for their first
// object only; it starts off.
class UnitResponseSwitch {
public:
    static UnitResponseSwitch& getInstance();

    static bool isOn() { return getInstance().on; }
    static void setOn() { getInstance().on = true; }
    static void setOff() { getInstance().on = false; }

private:
    UnitResponseSwitch() = default;

    bool on = false;
};
