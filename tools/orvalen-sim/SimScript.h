#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// One order of a runner script: "<pass> <player> <command> <args...>".
struct SimCommand {
    enum class Kind { Select, Move, Act, Train, Spawn };

    int lineNumber = 0;
    int32_t pass = 0; // passes count from 1
    int32_t player = 0;
    Kind kind = Kind::Select;
    std::vector<std::size_t> indices; // select: the objects; act: the one target
    int32_t value = 0;                // train: the code; spawn: the type
    double x = 0.0;                   // move, spawn
    double z = 0.0;
};

// The orders of a runner script, in file order. Blank lines and lines starting with '#' are
// ignored. Commands: select <i> [<j> ...], move <x> <z>, act <i>, train <code>,
// spawn <type> <x> <z>.
class SimScript {
public:
    static constexpr int32_t PlayerCount = 3;

    // The script, or nullopt with `error` naming the first malformed line.
    static std::optional<SimScript> parse(const std::string& text, std::string& error);

    // The orders of one pass, in file order.
    const std::vector<SimCommand>& commandsFor(int32_t pass) const;
    std::size_t size() const;

private:
    std::map<int32_t, std::vector<SimCommand>> commandsByPass;
};
