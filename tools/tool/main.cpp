// orvalen-tool: the game's files seen through the game's own code.
#include "core/CommandLine.h"
#include "tool/Commands.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& arguments);
};

const Command Commands[] = {
    {"info", "info FILE    what the game makes of a .ktqw, .ktqm, .wav or image file", runInfo},
    {"bake",
     "bake DATA_FOLDER    write the game's data folder, and map-preview.png and models-preview.png beside it",
     runBake},
    {"render-model",
     "render-model FILE.ktqm OUT.png [--frame MS]    draw a model as the game does, in player 1's colour "
     "(needs an X "
     "display); --frame draws its first animation MS ms after the start",
     runRenderModel},
};

constexpr int UsageError = 2;

std::string usage() {
    std::ostringstream text;
    text << "usage: orvalen-tool COMMAND [ARGUMENTS]\n";
    for (const Command& command : Commands)
        text << "  orvalen-tool " << command.usage << "\n";
    text << "  orvalen-tool --help | --version\n";
    return text.str();
}

int usageError() {
    std::cerr << usage();
    return UsageError;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (answeredHelpOrVersion(arguments, "orvalen-tool", usage()))
        return 0;
    if (arguments.empty())
        return usageError();
    for (const Command& command : Commands)
        if (arguments[0] == command.name)
            return command.run({arguments.begin() + 1, arguments.end()});
    return usageError();
}
