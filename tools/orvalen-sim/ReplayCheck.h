#pragma once

#include <ostream>
#include <string>

// orvalen-sim --replay: plays the recorded game at `path` again headless, on its map in the current
// folder, and checks every hash it holds. Says "replay matches: N passes, M commands, K hashes
// checked" and returns 0; "replay diverged at pass P" or "replay incomplete: ends at pass P" and
// returns 1; a file that is not a recorded game ("FILE:LINE: reason"), or a map that is missing or
// another than the recorded one, returns 2. With `dump` the world follows on `out`.
int checkReplay(const std::string& path, bool dump, std::ostream& out, std::ostream& errors);
