#pragma once

#include "layering/Layers.h"

#include <filesystem>
#include <string>
#include <vector>

// One broken rule, as "src/files/Model.h:3: <what and which rule>".
struct LayeringFinding {
    std::string file; // from the checked folder's name: "src/files/Model.h"
    int line;
    std::string rule;

    std::string text() const { return file + ":" + std::to_string(line) + ": " + rule; }
};

// Every file under root (the src/ folder) is in the library named by its first folder. The check
// finds includes of a library the file's own may not use, and functions a header declares that a
// file in another folder defines; findings come in file and line order.
std::vector<LayeringFinding> checkLayering(const std::filesystem::path& root, const Layers& layers);
