#include "app/Frame.h"

#include "app/BuildingGhost.h"
#include "app/LiveOptions.h"
#include "app/MouseOrders.h"
#include "app/Session.h"
#include "app/Skirmish.h"
#include "client/GamePresentation.h"
#include "client/KeyPress.h"
#include "client/menu/MenuArt.h"
#include "client/menu/MenuScene.h"
#include "client/menu/MenuScreen.h"
#include "client/panel/Minimap.h"
#include "client/panel/Panel.h"
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
#include "client/render/Shadows.h"
#include "client/render/Skybox.h"
#include "client/render/TargetFlash.h"
#include "client/terrain/Terrain.h"
#include "core/Clock.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "platform/Platform.h"
#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Constructer.h"
#include "sim/players/PlayerManager.h"

#include <GL/glew.h>

#include <bit>
#include <optional>
#include <vector>

FrameToggles frameToggles;

namespace {

constexpr float SkyHalfSize = 50.0f;
constexpr int CaptionSize = 48;

CameraSteering cameraSteering;
KeyOrders keyOrders;
MouseOrders mouseOrders{keyOrders};
BuildingGhost buildingGhost;

void toggleOnPress(int key, bool& toggle) {
    if (keyPressed(key))
        toggle = !toggle;
}

void setCameraView() {
    glLoadIdentity();
    applyView(camera);
}

void drawSky() {
    drawSkybox(camera.eyeX, camera.eyeY, camera.eyeZ, SkyHalfSize);
}

// Where a lone selected training building of the player's own sends its Marines.
std::optional<GridPosition> rallyPointShown(const SelectedObjects& selection) {
    if (selection.size() != 1 || selection.getEntries().front()->getOwner() != Session::Player)
        return std::nullopt;
    const auto* building = dynamic_cast<const Constructer*>(selection.getEntries().front().get());
    return building ? std::optional(building->rallyPoint()) : std::nullopt;
}

// The selection circles, the rally point, the move marker and the flash on an order's target,
// which write depth like the ground they lie on.
void drawGroundMarks(const SelectedObjects& selection) {
    drawSelectionCircles(selection);
    if (const std::optional<GridPosition> rally = rallyPointShown(selection)) {
        beginGroundCircles(255, 220, 40);
        groundCircle(rally->x, rally->z, 0.8, 0.3);
        endGroundCircles();
    }
    moveMarker.draw(gameClock().now());
    targetFlash.draw(gameClock().now());
}

// Before the picks: the buttons hidden (a pick or an order hides them), the boxes' visibility
// tested, and a white clear in the camera's view, so background and terrain read as nothing.
void preparePickingFrame(const platform::Point& groundAt) {
    hidePanelButtons();
    testVisibilityForPicking(groundAt.x, groundAt.y);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setCameraView();
}

// What the ground marks draw: the selected objects' places, the rally point, the move marker's size
// and the flash while they show. Its length comes first, so that no run of objects' words reads as
// marks.
std::vector<uint64_t> groundMarksLook(const SelectedObjects& selection) {
    std::vector<uint64_t> look{0};
    const auto place = [&look](const GridPosition& at) {
        look.push_back(std::bit_cast<uint64_t>(at.x));
        look.push_back(std::bit_cast<uint64_t>(at.z));
    };
    for (const auto& object : selection.getEntries())
        place(object->getPosition());
    if (const std::optional<GridPosition> rally = rallyPointShown(selection))
        place(*rally);
    if (const std::optional<double> radius = moveMarker.radius(gameClock().now()))
        look.push_back(std::bit_cast<uint64_t>(*radius));
    if (const std::optional<TargetFlash::Shown> flash = targetFlash.shown(gameClock().now())) {
        place(flash->at);
        look.push_back(flash->enemy ? 1 : 2);
    }
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
            // Where the ground left the clear depth, so the covered pixels take no texturing; none
            // where the ground covers the whole window, as it does in the ordinary view.
            if (!groundFillsView(camera, gameViewShape()))
                drawSky();
            if (still > 0) {
                drawGroundMarks(selection);
                batch.drawFront(still);
            }
        },
        std::move(contents));
    if (still == 0)
        drawGroundMarks(selection);
    drawShadows(objects->getObjects());
    batch.drawFrom(still);
    drawHealthBars(healthBarsToShow(objects->getObjects(), selection, Session::Player));
}

// Over the scene and the panel: the player's messages, once the game is decided its banner, and
// what the session has to say.
void drawFeedback() {
    screenMessages.draw(gameClock().now());
    drawOutcomeBanner(PlayerManager::getInstance()->getOutcome().result(), panelPlayerName());
    if (const std::string caption = session().caption(); !caption.empty())
        drawBanner(caption, 255, 255, 255, ClientHeight * 3 / 4, CaptionSize);
}

// Forgets what the view keeps of the game that was played (groups, the ghost, the marks and
// messages on screen) once another has taken its place.
void forgetGameView() {
    keyOrders = KeyOrders{};
    buildingGhost.cancel();
    lastGroundMarks.clear();
    selectionRect = SelectionRect{};
    screenMessages = ScreenMessages{};
    moveMarker = MoveMarker{};
    targetFlash = TargetFlash{};
}

} // namespace

// The depth the objects' boxes met while the frame was drawn: the ground's and its marks'. The
// terrain is the only thing in the depth buffer when the ground is read. Only a frame that picks
// uses that cell, and reading it makes the renderer finish everything drawn so far, so the other
// frames leave it out.
void testVisibilityForPicking(int groundX, int groundY) {
    glClear(GL_DEPTH_BUFFER_BIT);
    setCameraView();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawTerrain();
    pickGroundCell(groundX, groundY);
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
            mouseOrders.followMinimapDrag();
            keyOrders.take();
        }
    }
    applyView(camera);

    if (!frameToggles.menuVisible)
        buildingGhost.takeCancel();
    toggleOnPress(KeyEscape, frameToggles.menuVisible);
    if (!frameToggles.menuVisible)
        holdMenuBackground(false); // the menu scene takes it again when it shows
    releaseIdleSkybox(currentTick());
    if (frameToggles.menuVisible) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawSky();
        drawMenuScene();
        liveOptions().follow();
        platform::swapBuffers();
        const std::optional<SkirmishChoice> choice = menuScreen.customMapPage.takeStart();
        if (choice && startSkirmish(*choice)) {
            forgetGameView();
            frameToggles.menuVisible = false;
        }
        return;
    }

    bool orderPress = mouseOrders.takeOrderPress();
    if (orderPress && (mouseOrders.pressOnPanelButton() || mouseOrders.orderedOnMinimap()))
        orderPress = false;
    const SelectedObjects selection = session().shownSelection();
    drawScene(selection);
    buildingGhost.draw();
    enterOrthoMode();
    bool selectionDone = updateSelectionRect(minimap.area());
    if (buildingGhost.armed() && selectionRect.dragging) {
        // The press that would start a drag places the building instead.
        selectionRect.dragging = false;
        selectionDone = false;
        buildingGhost.place({selectionRect.anchorX, ClientHeight - selectionRect.anchorY});
    }
    minimap.draw(ObjectManager::getInstance()->getObjects(), camera, currentTick());
    mouseOrders.drawAttackMoveCursor();
    drawSelectionInfo(selection);
    drawFeedback();
    leaveOrthoMode();

    toggleOnPress('K', frameToggles.showPickingPass);
    if (!frameToggles.showPickingPass)
        platform::swapBuffers();

    for (const int32_t code : {PlayerSelector::TrainWorker, PlayerSelector::TrainMarine})
        if (takePanelClick(code))
            session().give(Command::train(Session::Player, code));
    if (takePanelClick(PlayerSelector::BuildBarracks)) {
        keyOrders.disarm();
        buildingGhost.arm(TypeBarracks);
    }

    if (!orderPress && !selectionDone)
        return;
    preparePickingFrame(mouseOrders.pickPoint(selectionDone));
    mouseOrders.pick(selectionDone);
    if (frameToggles.showPickingPass)
        platform::swapBuffers();
}
