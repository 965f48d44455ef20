#include "platform/FilePath.h"

#include <algorithm>
#include <fstream>
#include <iterator>

std::string normalisePath(const std::string& gamePath) {
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& gamePath) {
    std::ifstream file(normalisePath(gamePath), std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    return bytes;
}
