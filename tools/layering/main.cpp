#include "layering/LayeringCheck.h"

#include <exception>
#include <iostream>

// orvalen-layering SOURCE_FOLDER LAYERS_FILE: every include that breaks the layers and every header
// whose functions another folder defines, one "file:line: rule" a line; exit 1 if there are any.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvalen-layering SOURCE_FOLDER LAYERS_FILE\n";
        return 2;
    }
    try {
        const std::vector<LayeringFinding> findings = checkLayering(argv[1], Layers::read(argv[2]));
        for (const LayeringFinding& finding : findings)
            std::cout << finding.text() << "\n";
        std::cout << "orvalen-layering: " << findings.size() << " broken rule(s)\n";
        return findings.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "orvalen-layering: " << error.what() << "\n";
        return 2;
    }
}
