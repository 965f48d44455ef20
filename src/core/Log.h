#pragma once

#include <fstream>

// The game's trace, "log.log" in the working folder. Constructed closed before the entry runs;
// opened by the game set-up and closed by the entry after the managers are gone. Insertions
// into the closed stream are silently lost, which is what the loading sequence relies on.
extern std::ofstream Log;

void openLog();
void closeLog();
