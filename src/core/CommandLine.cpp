#include "core/CommandLine.h"

#include <iostream>

const char* const OrvalenVersion = ORVALEN_VERSION;

bool answeredHelpOrVersion(const std::vector<std::string>& arguments, const std::string& program,
                           const std::string& help) {
    if (arguments.empty())
        return false;
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        std::cout << help;
        return true;
    }
    if (arguments[0] == "--version") {
        std::cout << program << " " << OrvalenVersion << "\n";
        return true;
    }
    return false;
}
