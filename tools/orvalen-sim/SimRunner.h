#pragma once

#include "SimOptions.h"
#include "SimScript.h"
#include "files/WorldFile.h"

#include <optional>
#include <ostream>

// Runs the game's set-up and main-loop passes with no window, GL or audio, in the current folder,
// writing "log.log" as the game would. The script's orders of a pass run after that pass's
// updates, where the game's frame acts.
class SimRunner {
public:
    // `map`: the map whose grid and objects the world starts with; none for an empty map.
    SimRunner(const SimOptions& options, const SimScript& script, std::optional<WorldFile> map);

    // Runs every pass; with --dump writes the world and the players to `out` after the last.
    void run(std::ostream& out);

private:
    void startClock();
    void runPass(int32_t pass);
    void execute(const SimCommand& command);
    // One line per world object, then one per player.
    void dump(std::ostream& out) const;

    const SimOptions& options;
    const SimScript& script;
    std::optional<WorldFile> map;
    uint32_t tick = 0;
};
