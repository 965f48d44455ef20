// orvalen-tool bake DATA_FOLDER: writes the game's data folder (and two preview pictures beside it).
#include "BakeDataFolder.h"
#include "tool/Commands.h"

#include <exception>
#include <iostream>

int runBake(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        std::cerr << "usage: orvalen-tool bake DATA_FOLDER\n";
        return 2;
    }
    try {
        bakeDataFolder(arguments[0]);
    } catch (const std::exception& error) {
        std::cerr << "bake failed: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
