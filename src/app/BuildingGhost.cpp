#include "app/BuildingGhost.h"

#include "app/Session.h"
#include "client/KeyPress.h"
#include "client/models/ModelDrawing.h"
#include "client/models/ModelRegistry.h"
#include "client/render/Camera.h"
#include "client/render/SelectionCircles.h"
#include "client/terrain/GridUnder.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "sim/economy/BuildingPlacement.h"
#include "sim/game/GameMap.h"
#include "sim/objects/Builder.h"
#include "sim/objects/IWorldObject.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double RingHalfWidth = 2.5; // cells: the building's footprint
constexpr float GhostAlpha = 0.55f;

bool builderSelected() {
    const SelectedObjects selection = session().shownSelection();
    const auto& entries = selection.getEntries();
    return std::any_of(entries.begin(), entries.end(), [](const auto& object) {
        return !object->isDead() && object->getOwner() == Session::Player &&
               dynamic_cast<const Builder*>(object.get()) != nullptr;
    });
}

} // namespace

void BuildingGhost::arm(WorldObjectType building) {
    type = building;
    model = ModelRegistry::instance().createInstance(building);
    if (model)
        model->colour = teamColour(Session::Player);
}

void BuildingGhost::cancel() {
    type.reset();
    model.reset();
}

bool BuildingGhost::takeCancel() {
    if (!armed())
        return false;
    if (!builderSelected()) {
        cancel();
        return false;
    }
    // Both keys are read, so that one pressed with the other is not left for the menu or an order.
    const bool escape = keyPressed(KeyEscape);
    const bool order = keyPressed(orderButton());
    if (!escape && !order)
        return false;
    cancel();
    return true;
}

std::optional<GridPosition> BuildingGhost::spot(const platform::Point& at) {
    const std::optional<GridPosition> under = gridUnder(camera, at);
    if (!under)
        return std::nullopt;
    return GridPosition{std::floor(under->x), std::floor(under->z)};
}

void BuildingGhost::draw() {
    const std::optional<GridPosition> at = spot(platform::screenToClient(platform::cursorPosition()));
    if (!armed() || !at)
        return;
    const bool free = !placementRefusal(*type, at->x, at->z);
    beginGroundCircles(free ? 40 : 230, free ? 220 : 40, 40);
    groundCircle(at->x, at->z, RingHalfWidth, 0.3);
    endGroundCircles();
    if (!model)
        return;
    const WorldPoint ground = groundPoint(at->z, at->x);
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, GhostAlpha);
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    glDepthMask(GL_FALSE);
    drawInstance(*model, ground.x, ground.y, ground.z);
    glDepthMask(GL_TRUE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
}

void BuildingGhost::place(const platform::Point& pressedAt) {
    const std::optional<GridPosition> at = spot(pressedAt);
    if (!armed() || !at)
        return;
    session().give(Command::place(Session::Player, *type, at->x, at->z));
    cancel();
}
