#pragma once

#include "SimOptions.h"
#include "files/WorldFile.h"
#include "sim/game/OrderScript.h"

#include <optional>
#include <ostream>

// Runs a game's set-up and main-loop passes with no window, GL or audio, in the current folder,
// writing "log.log" as the game would. The script's orders of a pass are given after that pass's
// updates, where the game's frame gives them.
class SimRunner {
public:
    // `map`: the map the game starts on; none for an empty map.
    SimRunner(const SimOptions& options, const OrderScript& script, std::optional<MapFile> map);

    // Runs every pass; with --dump writes the world and the players to `out` after the last.
    void run(std::ostream& out);

private:
    const SimOptions& options;
    const OrderScript& script;
    std::optional<MapFile> map;
};
