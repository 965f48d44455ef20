#pragma once

#include "sim/game/CommandText.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The orders of a runner script, one command per line in the commands' text form
// (sim/game/CommandText.h), grouped by the pass after which they apply. Blank lines and lines
// starting with '#' are ignored.
class SimScript {
public:
    // The script, or nullopt with `error` naming the first malformed line.
    static std::optional<SimScript> parse(const std::string& text, std::string& error);

    // The orders of one pass, in file order.
    const std::vector<Command>& commandsFor(int32_t pass) const;
    std::size_t size() const;

private:
    std::map<int32_t, std::vector<Command>> commandsByPass;
};
