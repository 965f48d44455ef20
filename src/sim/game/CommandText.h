#pragma once

#include "sim/game/Command.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A command and the pass after whose update it is applied; passes count from 1.
struct TimedCommand {
    int32_t pass = 1;
    Command command;

    bool operator==(const TimedCommand&) const = default;
};

// The text form of a command, one line, as orvalen-sim's scripts and the recorded games write it:
//   <pass> <player> select <i> [<j> ...]     select none
//   <pass> <player> move <x> <z>             <pass> <player> act <i>
//   <pass> <player> train <code>             <pass> <player> spawn <type> <x> <z>
//   <pass> <player> attack-move <x> <z>      <pass> <player> stop
//   <pass> <player> place <type> <x> <z>
// Fields are separated by blanks; indices count the object manager's list; players are 0 to 2.
// The line (without its line end), or nothing with `error` saying what is wrong with it.
std::optional<TimedCommand> parseCommandLine(std::string_view line, std::string& error);

// The line of a command, without a line end; numbers are written so that they read back exactly.
std::string formatCommandLine(const TimedCommand& timed);
