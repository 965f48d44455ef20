#include "layering/Layers.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text;
}

} // namespace

Layers Layers::read(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    Layers layers;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto colon = line.find(':');
        std::istringstream used(colon == std::string::npos ? "" : line.substr(colon + 1));
        std::vector<std::string> names{std::istream_iterator<std::string>(used), {}};
        const std::string layer = line.substr(0, colon);
        if (colon == std::string::npos || layer.empty() || names.empty())
            throw std::runtime_error(file.string() + ":" + std::to_string(number) +
                                     ": expected \"layer: used used ...\"");
        layers.uses_[layer] = names;
        layers.order_.push_back(layer);
    }
    return layers;
}

bool Layers::mayUse(const std::string& layer, const std::string& used) const {
    const auto& names = uses_.at(layer);
    return std::find(names.begin(), names.end(), used) != names.end();
}

std::string Layers::usable(const std::string& layer) const {
    return joined(uses_.at(layer));
}

std::string Layers::names() const {
    return joined(order_);
}
