#include "client/render/HealthBars.h"

#include "client/render/RenderContext.h"
#include "files/Model.h"
#include "sim/game/GameMap.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"
#include "sim/objects/ModelInstance.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

constexpr int BarWidth = 32;
constexpr int BarHeight = 5;
constexpr double AboveModel = 1.5;  // world units between the model's top and the bar
constexpr double ModelessTop = 5.0; // where a bar goes when the object has no model

bool selected(const SelectedObjects& selection, const IWorldObject* object) {
    const auto& entries = selection.getEntries();
    return std::any_of(entries.begin(), entries.end(),
                       [object](const auto& entry) { return entry.get() == object; });
}

double barRise(const IWorldObject& object) {
    const ModelInstance* instance = object.getModel();
    return (instance && instance->model ? instance->model->boundingBox.maxY : ModelessTop) + AboveModel;
}

void fillRect(int left, int bottom, int right, int top) {
    glVertex2i(left, bottom);
    glVertex2i(right, bottom);
    glVertex2i(right, top);
    glVertex2i(left, top);
}

// Green while healthy, yellow when half gone, red near the end.
void barColour(float fraction) {
    if (fraction > 0.6f)
        glColor3ub(40, 220, 40);
    else if (fraction > 0.3f)
        glColor3ub(230, 210, 30);
    else
        glColor3ub(230, 40, 30);
}

} // namespace

std::vector<HealthBar> healthBarsToShow(const ObjectList& world, const SelectedObjects& selection,
                                        int32_t player) {
    std::vector<HealthBar> bars;
    for (const auto& object : world) {
        const auto* fightable = dynamic_cast<const Fightable*>(object.get());
        if (!fightable || object->isDead() || fightable->getMaxHp() <= 0)
            continue;
        const bool damaged = fightable->getHp() < fightable->getMaxHp();
        const bool own = object->getOwner() == player && object->getType() != TypeConstruction;
        if (!selected(selection, object.get()) && !(own && damaged))
            continue;
        const float fraction =
            static_cast<float>(fightable->getHp()) / static_cast<float>(fightable->getMaxHp());
        bars.push_back({object.get(), std::clamp(fraction, 0.0f, 1.0f)});
    }
    return bars;
}

void drawHealthBars(const std::vector<HealthBar>& bars) {
    if (bars.empty())
        return;
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);

    enterOrthoMode();
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    for (const HealthBar& bar : bars) {
        const GridPosition position = bar.object->getPosition();
        const WorldPoint ground = groundPoint(position.z, position.x);
        GLdouble x = 0, y = 0, depth = 0;
        if (gluProject(ground.x, ground.y + barRise(*bar.object), ground.z, modelView, projection, viewport,
                       &x, &y, &depth) != GL_TRUE ||
            depth < 0.0 || depth > 1.0)
            continue; // behind the eye
        const int left = static_cast<int>(x) - BarWidth / 2;
        const int bottom = static_cast<int>(y);
        glColor3ub(0, 0, 0);
        fillRect(left - 1, bottom - 1, left + BarWidth + 1, bottom + BarHeight + 1);
        barColour(bar.fraction);
        fillRect(left, bottom, left + static_cast<int>(bar.fraction * BarWidth + 0.5f), bottom + BarHeight);
    }
    glEnd();
    leaveOrthoMode();
}
