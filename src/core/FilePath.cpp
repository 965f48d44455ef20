#include "core/FilePath.h"

#include <algorithm>
#include <fstream>
#include <sstream>

std::string normalisePath(const std::string& gamePath) {
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& gamePath) {
    std::ifstream file(normalisePath(gamePath), std::ios::binary);
    if (!file)
        return std::nullopt;
    // Read in blocks rather than byte by byte: a map or a sound is hundreds of kilobytes.
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    const std::string bytes = std::move(contents).str();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
