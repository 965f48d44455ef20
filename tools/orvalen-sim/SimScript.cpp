#include "SimScript.h"
#include "core/ParseNumber.h"

#include <cmath>
#include <sstream>

namespace {

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

// Fills the command's arguments; false when they do not fit the command.
bool parseArguments(SimCommand& command, const std::string& name, const std::vector<std::string>& args) {
    if (name == "select" || name == "act") {
        command.kind = name == "select" ? SimCommand::Kind::Select : SimCommand::Kind::Act;
        if (args.empty() || (command.kind == SimCommand::Kind::Act && args.size() != 1))
            return false;
        for (const std::string& arg : args) {
            const std::optional<std::size_t> index = parseIndex(arg);
            if (!index)
                return false;
            command.indices.push_back(*index);
        }
        return true;
    }
    if (name == "train") {
        command.kind = SimCommand::Kind::Train;
        const std::optional<int32_t> code = args.size() == 1 ? parseNumber<int32_t>(args[0]) : std::nullopt;
        command.value = code.value_or(0);
        return code.has_value();
    }
    std::size_t first = 0;
    if (name == "spawn") {
        command.kind = SimCommand::Kind::Spawn;
        const std::optional<int32_t> type = args.size() == 3 ? parseNumber<int32_t>(args[0]) : std::nullopt;
        if (!type)
            return false;
        command.value = *type;
        first = 1;
    } else if (name == "move") {
        command.kind = SimCommand::Kind::Move;
        if (args.size() != 2)
            return false;
    } else {
        return false;
    }
    const std::optional<double> x = parseCoordinate(args[first]);
    const std::optional<double> z = parseCoordinate(args[first + 1]);
    if (!x || !z)
        return false;
    command.x = *x;
    command.z = *z;
    return true;
}

} // namespace

std::optional<SimScript> SimScript::parse(const std::string& text, std::string& error) {
    SimScript script;
    std::istringstream lines(text);
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;)
            words.push_back(word);
        if (words.empty() || words.front().front() == '#')
            continue;

        SimCommand command;
        command.lineNumber = lineNumber;
        const std::optional<int32_t> pass = parseNumber<int32_t>(words[0]);
        const std::optional<int32_t> player =
            words.size() > 1 ? parseNumber<int32_t>(words[1]) : std::nullopt;
        const bool valid = words.size() >= 3 && pass && *pass >= 1 && player && *player >= 0 &&
                           *player < PlayerCount &&
                           parseArguments(command, words[2], {words.begin() + 3, words.end()});
        if (!valid) {
            error = "line " + std::to_string(lineNumber) + " is malformed: " + line;
            return std::nullopt;
        }
        command.pass = *pass;
        command.player = *player;
        script.commandsByPass[command.pass].push_back(std::move(command));
    }
    return script;
}

const std::vector<SimCommand>& SimScript::commandsFor(int32_t pass) const {
    static const std::vector<SimCommand> none;
    const auto found = commandsByPass.find(pass);
    return found == commandsByPass.end() ? none : found->second;
}

std::size_t SimScript::size() const {
    std::size_t count = 0;
    for (const auto& [pass, commands] : commandsByPass)
        count += commands.size();
    return count;
}
