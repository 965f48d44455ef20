#pragma once

#include "app/ControlGroups.h"

class IWorldObject;

// The keys that pick and give orders without the mouse, read once a frame while the ordinary
// camera is on: Ctrl+1…9 keeps the selection as a group and 1…9 brings it back, twice quickly
// also centring the view on it; I picks the next idle Worker and centres the view on it; M picks
// every own Marine; S stops the selection; A arms an attack-move, which the next left click on
// the ground gives.
class KeyOrders {
public:
    void take();

    bool attackMoveArmed() const { return armed; }
    void disarm() { armed = false; }

private:
    void takeGroupKeys();
    void selectNextIdleWorker();
    void selectMarines();

    ControlGroups groups;
    const IWorldObject* lastIdle = nullptr; // compared, never followed
    bool armed = false;
};

// Gives the window's player's selection of `objects`; with `centre` the view then looks at them.
void selectAndShow(const ObjectList& objects, bool centre);
