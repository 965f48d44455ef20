#pragma once

#include "sim/manager/ObjectList.h"

// How the game stands for the human side (1) against the other playing side (2). A side is
// playing once it has had a building or a unit; it is beaten when none is left. What can be
// destroyed counts (units, buildings, sites); a refinery cannot, so it keeps no side alive. In a
// skirmish only buildings count: a side with no base centre, Barracks or site left has lost. The
// first result stays: the game runs on after it.
class GameOutcome {
public:
    enum Result { Playing, Victory, Defeat };

    // Looks at the world after a pass; logs "Game over: Victory" or "Game over: Defeat" once.
    void judge(const ObjectList& objects);
    Result result() const { return current; }

private:
    Result current = Playing;
    bool humanPlaying = false;
    bool enemyPlaying = false;
};
