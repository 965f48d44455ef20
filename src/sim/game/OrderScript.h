#pragma once

#include "core/ParseResult.h"
#include "sim/game/CommandText.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The orders of a script, one command per line in the commands' text form (sim/game/CommandText.h),
// grouped by the pass after which they apply. Blank lines and lines starting with '#' are ignored.
// orvalen-sim runs one with its passes; the game's window gives one's orders after its frames.
class OrderScript {
public:
    // The script, or nullopt with `error` naming the first malformed line.
    static std::optional<OrderScript> parse(const std::string& text, std::string& error);
    // The script in the file, or why there is none: "cannot read the script 'FILE'", or the file's
    // name and the malformed line. An empty path names no file: a script of no orders.
    static ParseResult<OrderScript> load(const std::string& path);

    // The orders of one pass, in file order.
    const std::vector<Command>& commandsFor(int32_t pass) const;
    std::size_t size() const;

private:
    std::map<int32_t, std::vector<Command>> commandsByPass;
};
