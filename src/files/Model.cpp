#include "files/Model.h"

int Model::findAnimation(const std::string& name) const {
    for (std::size_t i = 0; i < animations.size(); ++i)
        if (animations[i].name == name)
            return static_cast<int>(i);
    return -1;
}
