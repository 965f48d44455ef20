// orvalen-sim: the game's simulation headless, with a fixed frame length and seed, optionally
// driven by a script of orders.
#include "SimOptions.h"
#include "SimRunner.h"
#include "SimScript.h"
#include "platform/FilePath.h"

#include <iostream>

namespace {
constexpr int BadInput = 2;
} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<SimOptions> options = SimOptions::parse({argv + 1, argv + argc}, error);
    if (!options) {
        std::cerr << "orvalen-sim: " << error << "\n" << SimOptions::Usage << "\n";
        return BadInput;
    }
    std::optional<SimScript> script = SimScript();
    if (!options->scriptPath.empty()) {
        const auto bytes = readFileBytes(options->scriptPath);
        if (!bytes) {
            std::cerr << "orvalen-sim: cannot read the script '" << options->scriptPath << "'\n";
            return BadInput;
        }
        script = SimScript::parse({bytes->begin(), bytes->end()}, error);
        if (!script) {
            std::cerr << "orvalen-sim: " << options->scriptPath << ": " << error << "\n";
            return BadInput;
        }
    }
    SimRunner(*options, *script).run(std::cout);
    return 0;
}
