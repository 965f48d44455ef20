#include "sim/replay/Replay.h"

#include "core/Fnv1a.h"
#include "core/ParseNumber.h"

#include <array>
#include <charconv>
#include <limits>
#include <string>

namespace {

// The line's first word and the rest after one blank.
std::pair<std::string_view, std::string_view> splitFirst(std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

std::optional<uint64_t> parseHex(std::string_view text) {
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 16 || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Reads the replay line by line; each rule fails with the reason for its line.
class ReplayReader {
public:
    std::optional<std::string> line(std::string_view line) { return inBody ? body(line) : header(line); }
    std::optional<std::string> finish();

    Replay replay;

private:
    std::optional<std::string> header(std::string_view line);
    std::optional<std::string> computerSides(std::string_view sides);
    std::optional<std::string> body(std::string_view line);
    std::optional<std::string> passes(std::string_view lengths);
    std::optional<std::string> hash(std::string_view rest);
    std::optional<std::string> end(std::string_view rest);
    std::optional<std::string> command(std::string_view line);
    int32_t passCount() const { return static_cast<int32_t>(replay.passLengths.size()); }

    bool formatSeen = false;
    bool inBody = false;
    bool mapSeen = false;
    bool seedSeen = false;
    bool marinesSeen = false;
    bool rulesSeen = false;
    bool computerSeen = false;
    int64_t gameTime = 0;
};

std::optional<std::string> ReplayReader::header(std::string_view line) {
    if (!formatSeen) {
        formatSeen = true;
        if (line == Replay::FormatLine)
            return std::nullopt;
        if (line.starts_with("orvalen-replay "))
            return "a recorded game of another version (" + std::string(line) + "); this game reads " +
                   Replay::FormatLine;
        return "not a recorded game: the first line is not " + std::string(Replay::FormatLine);
    }
    const auto [key, value] = splitFirst(line);
    GameSettings& settings = replay.settings;
    if (key == "map" && !mapSeen) {
        mapSeen = true;
        if (value == "none")
            return std::nullopt;
        const auto [checksum, path] = splitFirst(value);
        settings.mapChecksum = parseHex(checksum);
        settings.mapPath = path;
        if (!settings.mapChecksum || path.empty())
            return std::string("map needs a 16-digit checksum and the map's path, or none");
        return std::nullopt;
    }
    if (key == "seed" && !seedSeen) {
        seedSeen = true;
        const std::optional<std::time_t> seed = parseNumber<std::time_t>(std::string(value));
        settings.seed = seed.value_or(0);
        return seed ? std::nullopt : std::optional<std::string>("seed needs a whole number");
    }
    if (key == "enemy-marines" && !marinesSeen) {
        marinesSeen = true;
        const std::optional<int32_t> count = parseNumber<int32_t>(std::string(value));
        settings.enemyMarines = count.value_or(0);
        if (!count || *count < 0 || *count > MostEnemyMarines)
            return "enemy-marines needs a whole number from 0 to " + std::to_string(MostEnemyMarines);
        return std::nullopt;
    }
    if (key == "rules" && !rulesSeen) {
        rulesSeen = true;
        settings.skirmish = value == "skirmish";
        if (value != "skirmish" && value != "standard")
            return std::string("rules needs standard or skirmish");
        return std::nullopt;
    }
    if (key == "computer" && !computerSeen) {
        computerSeen = true;
        return computerSides(value);
    }
    if (key == "map" || key == "seed" || key == "enemy-marines" || key == "rules" || key == "computer")
        return "a second " + std::string(key) + " line";
    if (!mapSeen || !seedSeen || !marinesSeen)
        return std::string("the header needs map, seed and enemy-marines lines before the first pass");
    inBody = true;
    return body(line);
}

// The sides the computer plays, each named once: "1", "2" or "1 2".
std::optional<std::string> ReplayReader::computerSides(std::string_view sides) {
    std::array<bool, 3>& computer = replay.settings.computer;
    while (!sides.empty()) {
        const auto [side, rest] = splitFirst(sides);
        const std::optional<int32_t> number = parseNumber<int32_t>(std::string(side));
        if (!number || *number < 1 || *number > 2 || computer[static_cast<std::size_t>(*number)])
            return std::string("computer needs the sides it plays, 1 and 2, each once");
        computer[static_cast<std::size_t>(*number)] = true;
        sides = rest;
    }
    if (!replay.settings.playedByComputer(1) && !replay.settings.playedByComputer(2))
        return std::string("computer needs the sides it plays, 1 and 2, each once");
    return std::nullopt;
}

std::optional<std::string> ReplayReader::body(std::string_view line) {
    if (replay.complete)
        return std::string("a line after the end mark");
    const auto [key, rest] = splitFirst(line);
    if (key == "p")
        return passes(rest);
    if (key == "h")
        return hash(rest);
    if (key == "end")
        return end(rest);
    return command(line);
}

std::optional<std::string> ReplayReader::passes(std::string_view lengths) {
    if (lengths.empty())
        return std::string("p needs pass lengths of at least 0 milliseconds");
    while (!lengths.empty()) {
        const auto [length, rest] = splitFirst(lengths);
        lengths = rest;
        const std::optional<int32_t> milliseconds = parseNumber<int32_t>(std::string(length));
        if (!milliseconds || *milliseconds < 0)
            return std::string("p needs pass lengths of at least 0 milliseconds");
        gameTime += *milliseconds;
        if (gameTime > std::numeric_limits<int32_t>::max())
            return std::string("the game clock passes 2147483647 ms");
        replay.passLengths.push_back(*milliseconds);
    }
    return std::nullopt;
}

std::optional<std::string> ReplayReader::hash(std::string_view rest) {
    const auto [passText, value] = splitFirst(rest);
    const std::optional<int32_t> pass = parseNumber<int32_t>(std::string(passText));
    const std::optional<uint64_t> hash = parseHex(value);
    if (!pass || !hash)
        return std::string("h needs a pass and a 16-digit hash");
    if (*pass != passCount() || *pass < 1)
        return "a hash for pass " + std::to_string(*pass) + " after pass " + std::to_string(passCount());
    if (!replay.hashes.empty() && replay.hashes.back().first == *pass)
        return "a second hash for pass " + std::to_string(*pass);
    replay.hashes.emplace_back(*pass, *hash);
    return std::nullopt;
}

std::optional<std::string> ReplayReader::end(std::string_view rest) {
    const std::optional<int32_t> pass = parseNumber<int32_t>(std::string(rest));
    if (!pass || *pass != passCount())
        return "the end mark names pass " + std::string(rest) + " after pass " + std::to_string(passCount());
    replay.complete = true;
    return std::nullopt;
}

std::optional<std::string> ReplayReader::command(std::string_view line) {
    std::string error;
    std::optional<TimedCommand> timed = parseCommandLine(line, error);
    if (!timed)
        return error;
    if (timed->pass != passCount())
        return "a command for pass " + std::to_string(timed->pass) + " after pass " +
               std::to_string(passCount());
    replay.commands.push_back(std::move(*timed));
    return std::nullopt;
}

std::optional<std::string> ReplayReader::finish() {
    if (!mapSeen || !seedSeen || !marinesSeen)
        return std::string("the header is incomplete");
    return std::nullopt;
}

} // namespace

ParseResult<Replay> parseReplay(std::string_view text) {
    ReplayReader reader;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            break; // cut off while it was written
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (const std::optional<std::string> error = reader.line(line))
            return {std::nullopt, std::to_string(lineNumber) + ": " + *error};
    }
    if (std::optional<std::string> error = reader.finish())
        return {std::nullopt, std::to_string(lineNumber + 1) + ": " + *error};
    return {std::move(reader.replay), {}};
}

std::string replayMapLine(const GameSettings& settings) {
    if (!settings.mapChecksum)
        return "map none";
    return "map " + hexDigits(*settings.mapChecksum) + " " + settings.mapPath;
}

std::string replayHashLine(int32_t pass, uint64_t hash) {
    return "h " + std::to_string(pass) + " " + hexDigits(hash);
}
