#include "app/MouseOrders.h"

#include "app/Session.h"
#include "client/KeyPress.h"
#include "client/models/ScreenPicking.h"
#include "client/panel/Minimap.h"
#include "client/panel/PanelButtons.h"
#include "client/render/Camera.h"
#include "client/render/CameraSteering.h"
#include "client/render/MoveMarker.h"
#include "client/render/SelectionRect.h"
#include "client/render/TargetFlash.h"
#include "client/terrain/Terrain.h"
#include "core/Clock.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "platform/Platform.h"
#include "sim/game/GameClock.h"
#include "sim/game/GameMap.h"
#include "sim/manager/ObjectManager.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool isOwnUnit(const IWorldObject& object) {
    return object.getOwner() == Session::Player && object.walks();
}

// A box that holds a unit of the player's own leaves the buildings out.
void leaveBuildingsOut(ObjectList& picked) {
    if (std::any_of(picked.begin(), picked.end(), [](const auto& object) { return isOwnUnit(*object); }))
        picked.remove_if([](const auto& object) { return !object->walks(); });
}

// Every unit of the player's own of that type that the view shows above the panel.
ObjectList ownUnitsInView(const ObjectManager& objects, WorldObjectType type) {
    ObjectList found = *selectInScreenRect(objects, 0, PanelStripHeight, ClientWidth - 1, ClientHeight - 1);
    found.remove_if([type](const auto& object) { return !isOwnUnit(*object) || object->getType() != type; });
    return found;
}

// A walk to the grid position, marked where it lands; with A armed, one that fights on the way.
void orderWalkTo(double x, double z, bool fighting) {
    constexpr int32_t player = Session::Player;
    const bool taken =
        session().give(fighting ? Command::attackMove(player, x, z) : Command::move(player, x, z));
    if (taken && !session().shownSelection().empty())
        moveMarker.place(x, z, gameClock().now());
}

// The same to the cell under the cursor.
void orderToGround(bool fighting) {
    if (HoverCell.valid())
        orderWalkTo(HoverCell.hoverColumn, HoverCell.hoverRow, fighting);
}

} // namespace

void MouseOrders::pick(bool selectionDone) {
    const SelectionRect& rect = selectionRect;
    const ObjectManager& objects = *ObjectManager::getInstance();
    constexpr int32_t player = Session::Player;
    const bool armed = keys.attackMoveArmed();
    keys.disarm();
    const bool click = rect.anchorX == rect.currentX && rect.anchorY == rect.currentY;
    if (selectionDone && click && armed) {
        orderToGround(true);
        return;
    }
    if (selectionDone) {
        ObjectList picked =
            *selectInScreenRect(objects, rect.anchorX, rect.anchorY, rect.currentX, rect.currentY);
        if (!click)
            leaveBuildingsOut(picked);
        else if (isDoubleClick() && !picked.empty() && isOwnUnit(*picked.front()))
            picked = ownUnitsInView(objects, picked.front()->getType());
        session().give(Command::select(player, objects.placesOf(picked)));
        return;
    }
    const auto picked = selectInScreenRect(objects, orderPress.x, orderPress.y, orderPress.x, orderPress.y);
    if (const std::vector<std::size_t> places = objects.placesOf(*picked); !places.empty()) {
        const std::shared_ptr<IWorldObject>& target = picked->front();
        const bool enemy = target->getOwner() != player && target->getOwner() != 0;
        if (session().give(Command::act(player, places.front())) && !session().shownSelection().empty())
            targetFlash.mark(target, enemy, gameClock().now());
    } else {
        orderToGround(false);
    }
}

void MouseOrders::followMinimapDrag() {
    const MouseButton::Reading mouse = minimapButton.read(selectButton());
    if (const std::optional<GridPosition> at = minimap.drag(mouse.at.x, mouse.at.y, mouse.down)) {
        const WorldPoint ground = groundPoint(at->z, at->x);
        centreCamera(camera, static_cast<float>(ground.x), static_cast<float>(ground.z), gameViewShape(),
                     mapGroundArea());
    }
}

bool MouseOrders::takeOrderPress() {
    const int button = orderButton();
    if (!keyPressed(button))
        return false;
    orderPress = inWindow(
        platform::pressPosition(button, platform::pressCount(button)).value_or(platform::cursorPosition()));
    return true;
}

bool MouseOrders::orderedOnMinimap() {
    if (!minimap.area().contains(orderPress.x, orderPress.y) || gameMap().columns <= 0)
        return false;
    const GridPosition at = minimap.gridAt(orderPress.x, orderPress.y);
    const bool fighting = keys.attackMoveArmed();
    keys.disarm();
    orderWalkTo(std::floor(at.x), std::floor(at.z), fighting);
    return true;
}

bool MouseOrders::pressOnPanelButton() const {
    return orderButton() == KeyLeftButton && shownButtonAt(orderPress.x, orderPress.y);
}

platform::Point MouseOrders::pickPoint(bool selectionDone) const {
    if (selectionDone)
        return {selectionRect.currentX, selectionRect.currentY};
    return orderPress;
}

void MouseOrders::drawAttackMoveCursor() const {
    if (!keys.attackMoveArmed())
        return;
    constexpr int Arm = 10;
    const SelectionRect& rect = selectionRect;
    glDisable(GL_TEXTURE_2D);
    glColor3ub(230, 40, 30);
    glBegin(GL_LINES);
    glVertex2i(rect.currentX - Arm, rect.currentY);
    glVertex2i(rect.currentX + Arm, rect.currentY);
    glVertex2i(rect.currentX, rect.currentY - Arm);
    glVertex2i(rect.currentX, rect.currentY + Arm);
    glEnd();
}

// A second click within the double-click time, near the first.
bool MouseOrders::isDoubleClick() {
    constexpr uint32_t DoubleClickMilliseconds = 400;
    constexpr int Slack = 4;
    const SelectionRect& rect = selectionRect;
    const uint32_t now = currentTick();
    const bool twice = now - lastClickTick <= DoubleClickMilliseconds &&
                       std::abs(rect.currentX - lastClickX) <= Slack &&
                       std::abs(rect.currentY - lastClickY) <= Slack;
    lastClickTick = now;
    lastClickX = twice ? -Slack - 1 : rect.currentX; // a third click starts over
    lastClickY = rect.currentY;
    return twice;
}
