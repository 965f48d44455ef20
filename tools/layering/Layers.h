#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

// The libraries under src/ and which of them each may include, read from a file of lines
// "name: used used ...".
class Layers {
public:
    // Throws std::runtime_error naming the file and line of a malformed entry.
    static Layers read(const std::filesystem::path& file);

    bool contains(const std::string& layer) const { return uses_.contains(layer); }
    bool mayUse(const std::string& layer, const std::string& used) const;
    // "core, files": what the layer may include, in the file's order.
    std::string usable(const std::string& layer) const;
    std::string names() const;

private:
    std::map<std::string, std::vector<std::string>> uses_;
    std::vector<std::string> order_;
};
