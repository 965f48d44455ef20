#include "sim/game/CommandText.h"

#include "core/ParseNumber.h"
#include "sim/players/PlayerManager.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> wordsOf(std::string_view line) {
    std::istringstream fields{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; fields >> word;)
        words.push_back(word);
    return words;
}

std::optional<double> parseCoordinate(const std::string& text) {
    const std::optional<double> value = parseNumber<double>(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<std::size_t> parseIndex(const std::string& text) {
    const std::optional<int64_t> value = parseNumber<int64_t>(text);
    if (!value || *value < 0)
        return std::nullopt;
    return static_cast<std::size_t>(*value);
}

bool parseIndices(const std::vector<std::string>& args, std::vector<std::size_t>& indices) {
    for (const std::string& arg : args) {
        const std::optional<std::size_t> index = parseIndex(arg);
        if (!index)
            return false;
        indices.push_back(*index);
    }
    return true;
}

bool parsePoint(const std::string& x, const std::string& z, Command& command) {
    const std::optional<double> parsedX = parseCoordinate(x);
    const std::optional<double> parsedZ = parseCoordinate(z);
    if (!parsedX || !parsedZ)
        return false;
    command.x = *parsedX;
    command.z = *parsedZ;
    return true;
}

// Fills the command's kind and arguments; false with `error` when they do not fit it.
bool parseArguments(const std::string& name, const std::vector<std::string>& args, Command& command,
                    std::string& error) {
    if (name == "select") {
        command.kind = Command::Kind::Select;
        if (args.size() == 1 && args[0] == "none")
            return true;
        error = "select needs object indices, or none";
        return !args.empty() && parseIndices(args, command.objects);
    }
    if (name == "act") {
        command.kind = Command::Kind::Act;
        error = "act needs one object index";
        return args.size() == 1 && parseIndices(args, command.objects);
    }
    if (name == "train") {
        command.kind = Command::Kind::Train;
        error = "train needs a code";
        const std::optional<int32_t> code = args.size() == 1 ? parseNumber<int32_t>(args[0]) : std::nullopt;
        command.value = code.value_or(0);
        return code.has_value();
    }
    if (name == "move" || name == "attack-move") {
        command.kind = name == "move" ? Command::Kind::Move : Command::Kind::AttackMove;
        error = name + " needs two finite coordinates";
        return args.size() == 2 && parsePoint(args[0], args[1], command);
    }
    if (name == "stop") {
        command.kind = Command::Kind::Stop;
        error = "stop takes nothing";
        return args.empty();
    }
    if (name == "spawn" || name == "place") {
        command.kind = name == "spawn" ? Command::Kind::Spawn : Command::Kind::Place;
        error = name + " needs a type and two finite coordinates";
        const std::optional<int32_t> type = args.size() == 3 ? parseNumber<int32_t>(args[0]) : std::nullopt;
        command.value = type.value_or(0);
        return type && parsePoint(args[1], args[2], command);
    }
    error = "unknown command '" + name + "'";
    return false;
}

std::string formatNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

const char* nameOf(Command::Kind kind) {
    switch (kind) {
    case Command::Kind::Select:
        return "select";
    case Command::Kind::Move:
        return "move";
    case Command::Kind::Act:
        return "act";
    case Command::Kind::Train:
        return "train";
    case Command::Kind::Spawn:
        return "spawn";
    case Command::Kind::AttackMove:
        return "attack-move";
    case Command::Kind::Stop:
        return "stop";
    case Command::Kind::Place:
        return "place";
    }
    return "";
}

} // namespace

std::optional<TimedCommand> parseCommandLine(std::string_view line, std::string& error) {
    const std::vector<std::string> words = wordsOf(line);
    if (words.size() < 3) {
        error = "a command needs a pass, a player and a name";
        return std::nullopt;
    }
    TimedCommand timed;
    const std::optional<int32_t> pass = parseNumber<int32_t>(words[0]);
    if (!pass || *pass < 1) {
        error = "the pass must be a whole number of at least 1, not '" + words[0] + "'";
        return std::nullopt;
    }
    const std::optional<int32_t> player = parseNumber<int32_t>(words[1]);
    if (!player || *player < 0 || *player >= PlayerManager::PlayerCount) {
        error = "the player must be 0 to " + std::to_string(PlayerManager::PlayerCount - 1) + ", not '" +
                words[1] + "'";
        return std::nullopt;
    }
    timed.pass = *pass;
    timed.command.player = *player;
    if (!parseArguments(words[2], {words.begin() + 3, words.end()}, timed.command, error))
        return std::nullopt;
    error.clear();
    return timed;
}

std::string formatCommandLine(const TimedCommand& timed) {
    const Command& command = timed.command;
    std::string line =
        std::to_string(timed.pass) + " " + std::to_string(command.player) + " " + nameOf(command.kind);
    switch (command.kind) {
    case Command::Kind::Select:
        if (command.objects.empty())
            line += " none";
        [[fallthrough]];
    case Command::Kind::Act:
        for (const std::size_t index : command.objects)
            line += " " + std::to_string(index);
        break;
    case Command::Kind::Train:
        line += " " + std::to_string(command.value);
        break;
    case Command::Kind::Spawn:
    case Command::Kind::Place:
        line += " " + std::to_string(command.value);
        [[fallthrough]];
    case Command::Kind::Move:
    case Command::Kind::AttackMove:
        line += " " + formatNumber(command.x) + " " + formatNumber(command.z);
        break;
    case Command::Kind::Stop:
        break;
    }
    return line;
}
