#include "app/LoadingSequence.h"

#include "app/Session.h"
#include "client/menu/LoadingScreen.h"
#include "client/menu/MenuSetup.h"
#include "client/models/ModelRegistry.h"
#include "client/panel/Panel.h"
#include "client/render/BackdropCache.h"
#include "client/render/Camera.h"
#include "client/render/RenderContext.h"
#include "client/render/SelectionCircles.h"
#include "client/render/Skybox.h"
#include "client/sound/GameSounds.h"

#include <GL/glew.h>

namespace {

const std::array<std::string, Skybox::FaceCount> SkyboxFaces = {
    "data\\textures\\skyboxes\\jajlands1\\jajlands1_ft.jpg",
    "data\\textures\\skyboxes\\jajlands1\\jajlands1_bk.jpg",
    "data\\textures\\skyboxes\\jajlands1\\jajlands1_lf.jpg",
    "data\\textures\\skyboxes\\jajlands1\\jajlands1_rt.jpg",
    "data\\textures\\skyboxes\\jajlands1\\jajlands1_up.jpg",
    "data\\textures\\skyboxes\\jajlands1\\jajlands1_dn.jpg",
};

} // namespace

void runLoadingSequence() {
    setInitialGlState();
    glewExperimental = GL_TRUE;
    glewInit(); // the game runs on without the extensions it names; a missing one draws nothing

    setUpMenu();

    showLoadingProgress("Loading ingame textures...", 38);
    loadPanel();

    showLoadingProgress("Loading world...", 38);
    session().loadWorld(); // the map, and its ground made ready to draw

    showLoadingProgress("Loading models", 60);
    ModelRegistry::instance(); // its first use loads every model the game draws

    showLoadingProgress("Loading skybox...", 91);
    loadSkybox(SkyboxFaces);
    backdropCache.forget(); // a backdrop kept before is not the loaded world's

    showLoadingProgress("Loading unit sounds...", 95);
    loadUnitResponses();

    loadSelectionCircle();

    camera = Camera{}; // the start pose and the flight keys
}
