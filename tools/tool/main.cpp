// orvalen-tool: the game's files seen through the game's own code.
#include "tool/Commands.h"

#include <iostream>
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

int usage() {
    std::cerr << "usage: orvalen-tool COMMAND [ARGUMENTS]\n";
    for (const Command& command : Commands)
        std::cerr << "  orvalen-tool " << command.usage << "\n";
    return UsageError;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::string name = argv[1];
    for (const Command& command : Commands)
        if (name == command.name)
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
    return usage();
}
