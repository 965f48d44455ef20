#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ModelAnimation {
    int32_t frameCount = 0;
    std::string name;
};

// A loaded model, shared read-only by every instance that shows it.
struct Model {
    std::vector<ModelAnimation> animations;

    // Index of the first animation of that exact name, or -1.
    int findAnimation(const std::string& name) const;
};
