#include "sim/objects/ModelInstance.h"

#include "core/Clock.h"
#include "files/Model.h"

#include <algorithm>

void playAnimation(ModelInstance& instance, const std::string& name) {
    if (!instance.model)
        return;
    const int animation = instance.model->findAnimation(name);
    if (animation < 0)
        return;
    stopAnimation(instance, name);
    instance.animationState.push_back({animation, 0, currentTick()});
}

void stopAnimation(ModelInstance& instance, const std::string& name) {
    if (!instance.model)
        return;
    const int animation = instance.model->findAnimation(name);
    if (animation < 0)
        return;
    auto& state = instance.animationState;
    state.erase(
        std::remove_if(state.begin(), state.end(),
                       [animation](const ModelAnimationEntry& e) { return e.animation == animation; }),
        state.end());
}
