#include "app/Frame.h"

#include "app/KeyOrders.h"
#include "app/Session.h"
#include "client/GamePresentation.h"
#include "client/KeyPress.h"
#include "client/menu/MenuScene.h"
#include "client/models/ScreenPicking.h"
#include "client/panel/Minimap.h"
#include "client/panel/PanelButtons.h"
#include "client/panel/SelectionInfo.h"
#include "client/render/BackdropCache.h"
#include "client/render/Banner.h"
#include "client/render/Camera.h"
#include "client/render/CameraSteering.h"
#include "client/render/HealthBars.h"
#include "client/render/MoveMarker.h"
#include "client/render/OutcomeBanner.h"
#include "client/render/RenderContext.h"
#include "client/render/ScreenMessages.h"
#include "client/render/SelectionCircles.h"
#include "client/render/SelectionRect.h"
#include "client/render/Skybox.h"
#include "client/terrain/Terrain.h"
#include "core/Clock.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "platform/Platform.h"
#include "sim/game/GameClock.h"
#include "sim/game/GameMap.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Moveable.h"
#include "sim/players/PlayerManager.h"

#include <GL/glew.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

FrameToggles frameToggles;

namespace {

constexpr float SkyHalfSize = 50.0f;
constexpr int CaptionSize = 48;

CameraSteering cameraSteering;
KeyOrders keyOrders;

void toggleOnPress(int key, bool& toggle) {
    if (keyPressed(key))
        toggle = !toggle;
}

void setCameraView() {
    glLoadIdentity();
    applyView(camera);
}

// The terrain must be the only thing in the depth buffer when the ground under the cursor is read.
// Only a frame that picks uses that cell, and reading it makes the renderer finish everything drawn
// so far, so the other frames leave it out.
void pickGroundUnderCursor() {
    const platform::Point cursor = platform::screenToClient(platform::cursorPosition());
    const platform::Rect client = platform::clientRect();
    pickGroundCell(cursor.x, (client.bottom - client.top) - cursor.y);
}

void drawSky() {
    drawSkybox(camera.eyeX, camera.eyeY, camera.eyeZ, SkyHalfSize);
}

// The selection circles and the move marker, which write depth like the ground they lie on.
void drawGroundMarks(const SelectedObjects& selection) {
    drawSelectionCircles(selection);
    moveMarker.draw(gameClock().now());
}

// What the ground marks draw: the selected objects' places, then the move marker's size while it
// shows. Its length comes first, so that no run of objects' words reads as marks.
std::vector<uint64_t> groundMarksLook(const SelectedObjects& selection) {
    std::vector<uint64_t> look{0};
    for (const auto& object : selection.getEntries()) {
        const GridPosition place = object->getPosition();
        look.push_back(std::bit_cast<uint64_t>(place.x));
        look.push_back(std::bit_cast<uint64_t>(place.z));
    }
    if (const std::optional<double> radius = moveMarker.radius(gameClock().now()))
        look.push_back(std::bit_cast<uint64_t>(*radius));
    look.front() = look.size();
    return look;
}

std::vector<uint64_t> lastGroundMarks;

// The scene in its drawing order: the ground, the sky, the ground marks, the objects as listed,
// their health bars. While the marks and the objects at the front of the list stand still, they
// are kept with the ground and the sky in the backdrop.
void drawScene(const SelectedObjects& selection) {
    ObjectManager* objects = ObjectManager::getInstance();
    ObjectBatch& batch = sceneObjects();
    glPushMatrix();
    objects->render(); // into the batch
    glPopMatrix();
    std::vector<uint64_t> marks = groundMarksLook(selection);
    const std::size_t still = marks == lastGroundMarks ? batch.stillEntries() : 0;
    lastGroundMarks = marks;
    std::vector<uint64_t> contents;
    if (still > 0) {
        contents = std::move(marks);
        batch.describe(still, contents);
    }
    backdropCache.begin(
        [&] {
            drawTerrain();
            drawSky(); // where the ground left the clear depth, so the covered pixels take no texturing
            if (still > 0) {
                drawGroundMarks(selection);
                batch.drawFront(still);
            }
        },
        std::move(contents));
    if (still == 0)
        drawGroundMarks(selection);
    batch.drawFrom(still);
    drawHealthBars(healthBarsToShow(objects->getObjects(), selection, Session::Player));
}

// Over the scene and the panel: the player's messages, once the game is decided its banner, and
// what the session has to say.
void drawFeedback() {
    screenMessages.draw(gameClock().now());
    drawOutcomeBanner(PlayerManager::getInstance()->getOutcome().result());
    if (const std::string caption = session().caption(); !caption.empty())
        drawBanner(caption, 255, 255, 255, ClientHeight * 3 / 4, CaptionSize);
}

bool isOwnUnit(const IWorldObject& object) {
    return object.getOwner() == Session::Player && dynamic_cast<const Moveable*>(&object) != nullptr;
}

// A box that holds a unit of the player's own leaves the buildings out.
void leaveBuildingsOut(ObjectList& picked) {
    if (std::any_of(picked.begin(), picked.end(), [](const auto& object) { return isOwnUnit(*object); }))
        picked.remove_if(
            [](const auto& object) { return dynamic_cast<const Moveable*>(object.get()) == nullptr; });
}

// A second click within the double-click time, near the first.
bool isDoubleClick(const SelectionRect& rect) {
    constexpr uint32_t DoubleClickMilliseconds = 400;
    constexpr int Slack = 4;
    static uint32_t lastTick = 0;
    static int lastX = -100, lastY = -100;
    const uint32_t now = currentTick();
    const bool twice = now - lastTick <= DoubleClickMilliseconds &&
                       std::abs(rect.currentX - lastX) <= Slack && std::abs(rect.currentY - lastY) <= Slack;
    lastTick = now;
    lastX = twice ? -100 : rect.currentX; // a third click starts over
    lastY = rect.currentY;
    return twice;
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

// A finished drag replaces the selection with what it covers (a double click, with every own
// unit of the clicked one's type in view; a click with A armed gives the attack-move instead);
// otherwise (a right press) the selection acts on the object under the cursor, or walks to the
// cell under it. The frame only says so: the session carries the orders out.
void pickAndOrder(bool selectionDone) {
    hidePanelButtons();
    testVisibilityForPicking();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setCameraView();
    const SelectionRect& rect = selectionRect;
    const ObjectManager& objects = *ObjectManager::getInstance();
    constexpr int32_t player = Session::Player;
    const bool armed = keyOrders.attackMoveArmed();
    keyOrders.disarm();
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
        else if (isDoubleClick(rect) && !picked.empty() && isOwnUnit(*picked.front()))
            picked = ownUnitsInView(objects, picked.front()->getType());
        session().give(Command::select(player, objects.placesOf(picked)));
        return;
    }
    const auto picked =
        selectInScreenRect(objects, rect.currentX, rect.currentY, rect.currentX, rect.currentY);
    if (const std::vector<std::size_t> places = objects.placesOf(*picked); !places.empty())
        session().give(Command::act(player, places.front()));
    else
        orderToGround(false);
}

// The cursor in window pixels, y counted up from the bottom.
platform::Point cursorInWindow() {
    const platform::Point cursor = platform::screenToClient(platform::cursorPosition());
    return {cursor.x, ClientHeight - cursor.y};
}

// A left press on the minimap, held, moves the view to the ground under the cursor.
void followMinimapDrag() {
    const platform::Point cursor = cursorInWindow();
    if (const std::optional<GridPosition> at =
            minimap.drag(cursor.x, cursor.y, platform::keyHeld(KeyLeftButton))) {
        const WorldPoint ground = groundPoint(at->z, at->x);
        centreCamera(camera, static_cast<float>(ground.x), static_cast<float>(ground.z), gameViewShape(),
                     mapGroundArea());
    }
}

// A right click on the minimap walks the selection to the ground there (fighting on the way when
// A is armed). True when it was on the minimap.
bool orderedOnMinimap() {
    const platform::Point cursor = cursorInWindow();
    if (!minimap.area().contains(cursor.x, cursor.y) || gameMap().columns <= 0)
        return false;
    const GridPosition at = minimap.gridAt(cursor.x, cursor.y);
    const bool fighting = keyOrders.attackMoveArmed();
    keyOrders.disarm();
    orderWalkTo(std::floor(at.x), std::floor(at.z), fighting);
    return true;
}

// In 2-D mode: a red cross at the cursor while an attack-move waits for its click.
void drawAttackMoveCursor() {
    if (!keyOrders.attackMoveArmed())
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

} // namespace

// The depth the objects' boxes met while the frame was drawn: the ground's and its marks'.
void testVisibilityForPicking() {
    glClear(GL_DEPTH_BUFFER_BIT);
    setCameraView();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawTerrain();
    pickGroundUnderCursor();
    drawGroundMarks(session().shownSelection());
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    sceneObjects().testVisibility();
}

void drawFrame() {
    glLoadIdentity();
    // While the menu is up the keyboard and the mouse are its own: a player name typed with a U
    // must not switch the camera, mouse-look would hold the cursor at the window centre, and the
    // arrows move the caret. The wheel is taken every frame, so turns made over the menu are dropped.
    const int wheelNotches = takeWheelNotches();
    if (!frameToggles.menuVisible) {
        toggleOnPress('U', frameToggles.freeCamera);
        if (frameToggles.freeCamera) {
            updateCamera(camera);
        } else {
            cameraSteering.steer(camera, wheelNotches);
            followMinimapDrag();
            keyOrders.take();
        }
    }
    applyView(camera);

    toggleOnPress(KeyEscape, frameToggles.menuVisible);
    if (frameToggles.menuVisible) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawSky();
        drawMenuScene();
        platform::swapBuffers();
        return;
    }

    bool rightPress = keyPressed(KeyRightButton);
    if (rightPress && orderedOnMinimap())
        rightPress = false;
    const SelectedObjects selection = session().shownSelection();
    drawScene(selection);
    enterOrthoMode();
    const bool selectionDone = updateSelectionRect(minimap.area());
    minimap.draw(ObjectManager::getInstance()->getObjects(), camera, currentTick());
    drawAttackMoveCursor();
    drawSelectionInfo(selection);
    drawFeedback();
    leaveOrthoMode();
    backdropCache.end();

    toggleOnPress('K', frameToggles.showPickingPass);
    if (!frameToggles.showPickingPass)
        platform::swapBuffers();

    for (const int32_t code : {PlayerSelector::TrainWorker, PlayerSelector::TrainMarine})
        if (takePanelClick(code))
            session().give(Command::train(Session::Player, code));

    if (!rightPress && !selectionDone)
        return;
    pickAndOrder(selectionDone);
    if (frameToggles.showPickingPass)
        platform::swapBuffers();
}
