#include "sim/game/OrderScript.h"

#include "core/FilePath.h"

#include <sstream>

std::optional<OrderScript> OrderScript::parse(const std::string& text, std::string& error) {
    OrderScript script;
    std::istringstream lines(text);
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::string reason;
        std::optional<TimedCommand> timed = parseCommandLine(line, reason);
        if (!timed) {
            error = "line " + std::to_string(lineNumber) + " is malformed (" + reason + "): " + line;
            return std::nullopt;
        }
        script.commandsByPass[timed->pass].push_back(std::move(timed->command));
    }
    return script;
}

ParseResult<OrderScript> OrderScript::load(const std::string& path) {
    if (path.empty())
        return {OrderScript(), {}};
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return {std::nullopt, "cannot read the script '" + path + "'"};
    std::string error;
    std::optional<OrderScript> script = parse({bytes->begin(), bytes->end()}, error);
    if (!script)
        return {std::nullopt, path + ": " + error};
    return {std::move(script), {}};
}

const std::vector<Command>& OrderScript::commandsFor(int32_t pass) const {
    static const std::vector<Command> none;
    const auto found = commandsByPass.find(pass);
    return found == commandsByPass.end() ? none : found->second;
}

std::size_t OrderScript::size() const {
    std::size_t count = 0;
    for (const auto& [pass, commands] : commandsByPass)
        count += commands.size();
    return count;
}
