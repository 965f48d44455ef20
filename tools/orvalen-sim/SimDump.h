#pragma once

#include <ostream>

// The current game's world for a reader: one line per object in list order
// ("object <index> <type> <owner> <x> <z> <hp> <maxhp>"), then one per player
// ("player <id> <metal> <oil> <population>").
void dumpWorld(std::ostream& out);
