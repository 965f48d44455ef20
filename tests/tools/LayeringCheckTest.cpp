#include "layering/LayeringCheck.h"

#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace {

// Small made-up source trees, checked against the game's own list of layers.
class LayeringCheckTest : public ::testing::Test {
protected:
    void write(const std::string& path, const std::string& text) {
        const std::filesystem::path file = scratch_.path() / "src" / path;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }

    std::vector<std::string> findings() const {
        std::vector<std::string> texts;
        for (const LayeringFinding& finding : checkLayering(scratch_.path() / "src", layers_))
            texts.push_back(finding.text());
        return texts;
    }

private:
    ScratchFolder scratch_;
    Layers layers_ = Layers::read(ORVALEN_LAYERS_FILE);
};

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(LayeringCheckTest, IncludesDownOrWithinALayerFunctionsBesideTheirHeaderAndLookalikesElsewherePass) {
    write("core/Log.h", "#pragma once\n#include <string>\nvoid log(const std::string& line);\n");
    write("core/Log.cpp", "#include \"core/Log.h\"\nvoid log(const std::string&) {}\n");
    write("files/Model.h", "#include \"core/Log.h\"\nstruct Model { int faces() const; };\n");
    write("files/Model.cpp", "#include \"files/Model.h\"\nint Model::faces() const { return 0; }\n");
    write("sim/objects/Unit.h", "#include \"files/Model.h\"\n#include \"sim/objects/Order.h\"\n");
    write("platform/Platform.h", "#include \"core/Log.h\"\nnamespace platform { void show(); }\n");
    write("platform/Sdl.cpp", "#include \"platform/Platform.h\"\nnamespace platform {\nvoid show() {}\n}\n");
    write("client/render/Frame.cpp", "#include \"platform/Platform.h\"\n#include \"sim/objects/Unit.h\"\n");
    write("app/main.cpp", "#include \"client/render/Frame.h\"\n#include <SDL.h>\nint main() {}\n");
    // Names alike but not the declared function are no definitions of it.
    write("client/render/Draw.h", "#pragma once\nvoid draw();\nstruct Circle { void draw(); };\n");
    write("client/render/Draw.cpp",
          "#include \"client/render/Draw.h\"\nvoid draw() {}\nvoid Circle::draw() {}\n");
    write("client/panel/Panel.cpp", "namespace {\nvoid draw() {}\n}\nstatic void draw(int) {}\n"
                                    "void Panel::draw() {}\nnamespace panel { void draw() {} }\n"
                                    "// void draw() {}\nconst char* text = \"void draw() {}\";\n"
                                    "auto hook = []() { draw(); };\n");

    EXPECT_THAT(findings(), IsEmpty());
}

TEST_F(LayeringCheckTest, AnIncludeOfALayerTheFilesOwnMayNotUseNamesFileLineAndRule) {
    write("files/Model.h", "#pragma once\n\n#include \"client/render/Texture.h\" // a GL id\n");
    write("core/Input.cpp", "#include \"core/Input.h\"\n#include \"platform/Platform.h\"\n");
    write("sim/Unit.cpp", "#include \"platform/Platform.h\"\n");
    write("client/Frame.cpp", "#include \"app/Frame.h\"\n");

    EXPECT_THAT(
        findings(),
        ElementsAre("src/client/Frame.cpp:1: includes \"app/Frame.h\" of app, but client may include "
                    "only core, files, sim, platform, client",
                    "src/core/Input.cpp:2: includes \"platform/Platform.h\" of platform, but core may "
                    "include only core",
                    "src/files/Model.h:3: includes \"client/render/Texture.h\" of client, but files may "
                    "include only core, files",
                    "src/sim/Unit.cpp:1: includes \"platform/Platform.h\" of platform, but sim may "
                    "include only core, files, sim"));
}

TEST_F(LayeringCheckTest, IncludesNotWrittenFromTheTopAndFilesOutsideEveryLayerAreFound) {
    write("core/Log.cpp",
          "#include \"Log.h\"\n#include \"../app/Frame.h\"\n#include \"core/../app/Game.h\"\n");
    write("Stray.cpp", "int stray;\n");

    EXPECT_THAT(findings(),
                ElementsAre("src/Stray.cpp:1: is in no library's folder (core, files, sim, "
                            "platform, client, app)",
                            "src/core/Log.cpp:1: includes \"Log.h\", which does not start with a "
                            "library (core, files, sim, platform, client, app): include paths are "
                            "written from src/",
                            "src/core/Log.cpp:2: includes \"../app/Frame.h\", which does not start "
                            "with a library (core, files, sim, platform, client, app): include "
                            "paths are written from src/",
                            "src/core/Log.cpp:3: includes \"core/../app/Game.h\" of app, but core "
                            "may include only core"));
}

TEST_F(LayeringCheckTest, AHeaderWhoseFunctionsAnotherFolderDefinesIsFound) {
    write("app/LoadingHooks.h",
          "#pragma once\n// Steps other folders own.\nvoid loadPanelArt(int steps = {});\n"
          "void loadGameWorld(); // the map\n");
    write("app/GameWorldLoading.cpp", "#include \"app/LoadingHooks.h\"\nvoid loadGameWorld() {}\n");
    write("client/panel/Panel.cpp", "#include \"client/panel/Panel.h\"\n\nvoid loadPanelArt(int) {\n}\n");
    write("client/render/Circles.h",
          "#pragma once\nnamespace render {\nclass Circles {\n"
          "public:\n    explicit Circles(int size);\n    void draw() const;\n    ~Circles();\n};\n}\n");
    write("client/panel/Circles.cpp",
          "#include \"client/render/Circles.h\"\nnamespace render {\n"
          "Circles::Circles(int size) : size_{size}, list_(size) {\n    draw();\n}\n"
          "void Circles::draw() const {}\nCircles::~Circles() {}\n}\n");

    EXPECT_THAT(
        findings(),
        ElementsAre("src/app/LoadingHooks.h:3: declares loadPanelArt, which src/client/panel/Panel.cpp:3 "
                    "defines: a header's functions are defined in its own folder",
                    "src/client/render/Circles.h:5: declares render::Circles::Circles, which "
                    "src/client/panel/Circles.cpp:3 defines: a header's functions are defined in its "
                    "own folder",
                    "src/client/render/Circles.h:6: declares render::Circles::draw, which "
                    "src/client/panel/Circles.cpp:6 defines: a header's functions are defined in its "
                    "own folder",
                    "src/client/render/Circles.h:7: declares render::Circles::~Circles, which "
                    "src/client/panel/Circles.cpp:7 defines: a header's functions are defined in its "
                    "own folder"));
}

} // namespace
