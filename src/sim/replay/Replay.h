#pragma once

#include "core/ParseResult.h"
#include "sim/game/CommandText.h"
#include "sim/game/GameSettings.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// A recorded game: its settings, the length of every pass, every command after its pass, and the
// hashes of the state the game had when it was played (docs/formats.md gives the text).
struct Replay {
    static constexpr const char* FormatLine = "orvalen-replay 1";

    GameSettings settings;
    std::vector<int32_t> passLengths;                 // milliseconds, pass 1 first
    std::vector<TimedCommand> commands;               // in the order they were given
    std::vector<std::pair<int32_t, uint64_t>> hashes; // pass, hash of the state after its commands
    bool complete = false;                            // the game's end was recorded

    std::size_t commandCount() const { return commands.size(); }
};

// The recorded game in `text`, or an error "LINE: reason" for the first line that is not one. A
// last line without its line end (a game cut short while writing) is left out, as is everything
// after the last whole line.
ParseResult<Replay> parseReplay(std::string_view text);

// The header's and the body's lines as a recording writes them, without line ends.
std::string replayMapLine(const GameSettings& settings);
std::string replayHashLine(int32_t pass, uint64_t hash);
